# Tests of the installed program and of the Debian package (label
# "packaging"). They run shell scripts against the build tree; a script
# exits 77 (skipped) when a tool it needs is not installed.
add_test(NAME packaging.install
         COMMAND bash "${PROJECT_SOURCE_DIR}/tests/packaging/install_test.sh"
                 "${PROJECT_BINARY_DIR}" "${PROJECT_SOURCE_DIR}")
add_test(NAME packaging.deb
         COMMAND bash "${PROJECT_SOURCE_DIR}/tests/packaging/deb_test.sh"
                 "${PROJECT_BINARY_DIR}" "${PROJECT_SOURCE_DIR}")
set_tests_properties(packaging.install packaging.deb PROPERTIES
                     LABELS packaging SKIP_RETURN_CODE 77 TIMEOUT 900
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
# Both install from the same build tree; the package test also runs lintian.
set_tests_properties(packaging.deb PROPERTIES RUN_SERIAL TRUE)
