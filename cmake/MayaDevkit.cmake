# Finds a Maya devkit (headers and the OpenMaya, OpenMayaUI and Foundation
# libraries) from MAYA_LOCATION, then DEVKIT_LOCATION, then the default
# install folders, and provides the imported target Maya::API.
set(MAYA_LOCATION "$ENV{MAYA_LOCATION}" CACHE PATH "Maya installation or devkit folder")

set(_qb_maya_hints ${MAYA_LOCATION} $ENV{DEVKIT_LOCATION})
if(APPLE)
    list(APPEND _qb_maya_hints /Applications/Autodesk/maya${MAYA_VERSION})
elseif(WIN32)
    list(APPEND _qb_maya_hints "C:/Program Files/Autodesk/Maya${MAYA_VERSION}")
else()
    list(APPEND _qb_maya_hints /usr/autodesk/maya${MAYA_VERSION})
endif()

find_path(MAYA_INCLUDE_DIR maya/MFnPlugin.h
    HINTS ${_qb_maya_hints}
    PATH_SUFFIXES include devkit/include
    NO_DEFAULT_PATH)
foreach(_lib OpenMaya OpenMayaUI Foundation)
    find_library(MAYA_${_lib}_LIBRARY ${_lib}
        HINTS ${_qb_maya_hints}
        PATH_SUFFIXES lib Maya.app/Contents/MacOS devkit/lib
        NO_DEFAULT_PATH)
endforeach()

if(NOT MAYA_INCLUDE_DIR OR NOT MAYA_OpenMaya_LIBRARY OR NOT MAYA_OpenMayaUI_LIBRARY OR NOT MAYA_Foundation_LIBRARY)
    message(FATAL_ERROR
        "QB_WITH_MAYA_DEVKIT is on, but no Maya devkit was found.\n"
        "  Looked in: ${_qb_maya_hints}\n"
        "  Headers (maya/MFnPlugin.h): ${MAYA_INCLUDE_DIR}\n"
        "  OpenMaya: ${MAYA_OpenMaya_LIBRARY}\n"
        "  OpenMayaUI: ${MAYA_OpenMayaUI_LIBRARY}\n"
        "  Foundation: ${MAYA_Foundation_LIBRARY}\n"
        "Set MAYA_LOCATION to the folder that holds include/maya and lib "
        "(for example -DMAYA_LOCATION=/usr/autodesk/maya2024), and point Qt${QB_QT_MAJOR}_DIR at the Qt "
        "that ships with that Maya.")
endif()

add_library(Maya::API INTERFACE IMPORTED)
set_target_properties(Maya::API PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "${MAYA_INCLUDE_DIR}")
target_link_libraries(Maya::API INTERFACE
    ${MAYA_OpenMaya_LIBRARY} ${MAYA_OpenMayaUI_LIBRARY} ${MAYA_Foundation_LIBRARY})
if(APPLE)
    target_compile_definitions(Maya::API INTERFACE OSMac_ MAC_PLUGIN _BOOL REQUIRE_IOSTREAM)
elseif(WIN32)
    target_compile_definitions(Maya::API INTERFACE NT_PLUGIN _BOOL REQUIRE_IOSTREAM)
else()
    target_compile_definitions(Maya::API INTERFACE LINUX _BOOL REQUIRE_IOSTREAM)
    target_compile_options(Maya::API INTERFACE -fPIC)
endif()
message(STATUS "Maya devkit: ${MAYA_INCLUDE_DIR}")
