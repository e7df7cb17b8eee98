# vh_find_python3_with(MODULE VAR): sets the cache variable VAR to the first
# python3 that can import MODULE. The python3 first on PATH (pyenv, a venv)
# may lack Debian's packages, so /usr/bin/python3 is tried after it.
function(vh_find_python3_with module var)
  if(${var})
    return()
  endif()
  find_program(VH_PATH_PYTHON3 NAMES python3)
  mark_as_advanced(VH_PATH_PYTHON3)
  foreach(candidate IN ITEMS ${VH_PATH_PYTHON3} /usr/bin/python3)
    execute_process(COMMAND ${candidate} -c "import ${module}"
      RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
    if(missing EQUAL 0)
      set(${var} ${candidate} CACHE FILEPATH "Python 3 interpreter with ${module}")
      return()
    endif()
  endforeach()
endfunction()
