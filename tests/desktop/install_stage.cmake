# Installs the build tree into a fresh staging directory, as a package build
# does: prefix /usr under DESTDIR, so the tests see exactly what gets shipped.
#   cmake -DBUILD_DIR=... -DSTAGE=... -P install_stage.cmake
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
