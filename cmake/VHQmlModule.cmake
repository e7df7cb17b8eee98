# vh_add_qml_module(NAME PLUGIN target [QML_FILES a.qml ...])
# Lays the QML module librariesqml.NAME out in the build tree as it is
# installed below the program's import path: the plugin, the qmldir and the
# QML files (from qml/) side by side, so that the build tree works as an
# import path too.
function(vh_add_qml_module name)
  cmake_parse_arguments(M "" "PLUGIN" "QML_FILES" ${ARGN})
  set(module_dir ${VH_QML_OUTPUT_DIR}/librariesqml/${name})
  set_target_properties(${M_PLUGIN} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${module_dir})
  set(installed_files)
  foreach(file ${M_QML_FILES})
    configure_file(qml/${file} ${module_dir}/${file} COPYONLY)
    list(APPEND installed_files qml/${file})
  endforeach()
  configure_file(qmldir ${module_dir}/qmldir COPYONLY)
  install(TARGETS ${M_PLUGIN} LIBRARY DESTINATION ${VH_QML_INSTALL_DIR}/${name})
  install(FILES qmldir ${installed_files} DESTINATION ${VH_QML_INSTALL_DIR}/${name})
endfunction()
