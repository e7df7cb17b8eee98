# Cross build for the appliance (arm64) with Debian's aarch64 cross compiler
# and Debian's arm64 Qt, installed beside the build machine's own packages
# (multiarch; scripts/cross-build-arm64.sh installs them). The arm64 Qt's
# CMake files name its tools under /usr/lib/qt5/bin, which are the build
# machine's own: moc, rcc, qmlcachegen and lrelease run here.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# Libraries and packages only from the arm64 multiarch folders.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
# GNUInstallDirs picks Debian's multiarch library folder only for native builds.
set(CMAKE_INSTALL_LIBDIR lib/aarch64-linux-gnu CACHE PATH "Object code libraries")
