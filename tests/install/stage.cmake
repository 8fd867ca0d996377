# Installs the build into a fresh staging folder and builds the staged MIME
# database there, as Debian's triggers do after a package is installed.
# Takes BUILD_DIR, STAGING and UPDATE_MIME_DATABASE.
file(REMOVE_RECURSE ${STAGING})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGING}
  OUTPUT_QUIET
  COMMAND_ERROR_IS_FATAL ANY)
# update-mime-database reports what it does not understand on standard error
# but still succeeds. It also notes there a folder outside the data folders
# in XDG_DATA_DIRS; the tests look only in the staged one.
set(ENV{XDG_DATA_DIRS} ${STAGING}/share)
execute_process(
  COMMAND ${UPDATE_MIME_DATABASE} ${STAGING}/share/mime
  ERROR_VARIABLE complaints
  COMMAND_ERROR_IS_FATAL ANY)
if(complaints)
  message(FATAL_ERROR "update-mime-database: ${complaints}")
endif()
