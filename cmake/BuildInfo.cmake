# What the program learns from the build: its version, and where its data files lie once
# installed. The data folder is given relative to the program's folder, so a package installed
# under another prefix, or unpacked below DESTDIR, still finds its help and animations.
include(GNUInstallDirs)
file(RELATIVE_PATH TOLVENAR_DATA_FROM_PROGRAM
     ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/tolvenar)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/model/DataFiles.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS "TOLVENAR_DATA_FROM_PROGRAM=\"${TOLVENAR_DATA_FROM_PROGRAM}\"")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/app/main.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS "TOLVENAR_VERSION=\"${PROJECT_VERSION}\"")
