# The case file's MIME type as the desktop reads it: the package file compiled by
# update-mime-database into a database of its own, which must know *.waris.
# cmake -DPACKAGE=<mime.xml> -DWORK_DIR=<folder> -DUPDATE=<update-mime-database> -P MimeDatabase.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}/packages")
file(COPY_FILE "${PACKAGE}" "${WORK_DIR}/packages/id.zakatwaris.ZakatWaris.xml")
get_filename_component(data_dir "${WORK_DIR}" DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${data_dir} "${UPDATE}" "${WORK_DIR}"
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR errors)
  message(FATAL_ERROR "update-mime-database refused the package: ${errors}")
endif()
file(READ "${WORK_DIR}/globs2" globs)
if(NOT globs MATCHES "application/x-zakat-waris-kasus:\\*\\.waris")
  message(FATAL_ERROR "*.waris is not in the database:\n${globs}")
endif()
