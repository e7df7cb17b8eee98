# vh_declare_logging_category(target HEADER name.h IDENTIFIER id
#                             CATEGORY_NAME vh.area DEFAULT_SEVERITY severity)
# Generates, in the current build folder, name.h declaring the logging
# category `id` and name.cpp defining it as "vh.area", and builds both into
# the target, whose sources include "name.h". The category prints from
# DEFAULT_SEVERITY (Debug, Info, Warning or Critical) up; QT_LOGGING_RULES
# (e.g. "vh.*=true") turns on the levels below.
set(VH_LOGGING_CATEGORY_TEMPLATES ${CMAKE_CURRENT_LIST_DIR})

function(vh_declare_logging_category target)
  cmake_parse_arguments(L "" "HEADER;IDENTIFIER;CATEGORY_NAME;DEFAULT_SEVERITY" "" ${ARGN})
  foreach(argument HEADER IDENTIFIER CATEGORY_NAME DEFAULT_SEVERITY)
    if(NOT L_${argument})
      message(FATAL_ERROR "vh_declare_logging_category(${target}): ${argument} is missing")
    endif()
  endforeach()
  if(NOT L_DEFAULT_SEVERITY MATCHES "^(Debug|Info|Warning|Critical)$")
    message(FATAL_ERROR "vh_declare_logging_category(${target}): "
      "DEFAULT_SEVERITY ${L_DEFAULT_SEVERITY} is none of Debug, Info, Warning, Critical")
  endif()

  set(VH_LOG_HEADER ${L_HEADER})
  set(VH_LOG_IDENTIFIER ${L_IDENTIFIER})
  set(VH_LOG_CATEGORY_NAME ${L_CATEGORY_NAME})
  set(VH_LOG_SEVERITY Qt${L_DEFAULT_SEVERITY}Msg)
  get_filename_component(base ${L_HEADER} NAME_WE)
  configure_file(${VH_LOGGING_CATEGORY_TEMPLATES}/LoggingCategory.h.in
    ${CMAKE_CURRENT_BINARY_DIR}/${L_HEADER} @ONLY)
  configure_file(${VH_LOGGING_CATEGORY_TEMPLATES}/LoggingCategory.cpp.in
    ${CMAKE_CURRENT_BINARY_DIR}/${base}.cpp @ONLY)
  target_sources(${target} PRIVATE
    ${CMAKE_CURRENT_BINARY_DIR}/${L_HEADER} ${CMAKE_CURRENT_BINARY_DIR}/${base}.cpp)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
