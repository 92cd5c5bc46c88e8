# Run by CPack's external generator on the staged folder Tarvello-<version>: zips it into
# Tarvello-<version>-windows-x64.zip. The same files give the same zip: the names sorted, the
# times PackStaged.cmake set (read as UTC), and no owners, folders or extra fields stored.
get_filename_component(parent "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
get_filename_component(folder "${CPACK_TEMPORARY_DIRECTORY}" NAME)
set(zip "${parent}/${folder}-windows-x64.zip")
file(GLOB_RECURSE files RELATIVE "${parent}" "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT files)
list(JOIN files "\n" listing)
file(WRITE "${parent}/zip-files.txt" "${listing}\n")
file(REMOVE "${zip}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC "${CPACK_TARVELLO_ZIP}" -q -X -D "${zip}" -@
                INPUT_FILE "${parent}/zip-files.txt" WORKING_DIRECTORY "${parent}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zip could not write ${zip}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${zip}")
