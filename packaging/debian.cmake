# `make package`: a Debian package of the program with CPack, from the
# install rules of src/.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR velmora)
set(CPACK_PACKAGE_CONTACT "velmora maintainers <velmora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}: a ship propeller turning in three views")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_STRIP_FILES ON)
# The Qt widget runtime with its X and Wayland platforms, and the two font
# families the window's Japanese faces are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), qt6-qpa-plugins, qt6-wayland, fonts-ipafont-gothic, fonts-reggae")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Packaging installs the program alone, not every test and benchmark first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
