# The plug-in's own code.
#   picker_model    model/ and the widget-free painting, transform and
#                   namespace code: Qt Core and Gui only, no host API. Shared by
#                   the plug-in, the qbx tool and the fuzz targets.
#   picker_objects  everything else of the plug-in (host API, widgets).
#   QuillbrookPicker  the loadable module.
set(QB_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)

# Files outside model/ that hold no widget or host code.
set(QB_MODEL_EXTRA
    canvas/view_transform.cpp
    canvas/button_painter.cpp
    namespaces/namespace_scan.cpp
    namespaces/namespace_rewrite.cpp)

file(GLOB QB_MODEL_SOURCES CONFIGURE_DEPENDS ${QB_ROOT}/model/*.cpp ${QB_ROOT}/model/*.h)
foreach(f ${QB_MODEL_EXTRA})
    if(EXISTS ${QB_ROOT}/${f})
        list(APPEND QB_MODEL_SOURCES ${QB_ROOT}/${f})
        string(REPLACE ".cpp" ".h" h ${f})
        if(EXISTS ${QB_ROOT}/${h})
            list(APPEND QB_MODEL_SOURCES ${QB_ROOT}/${h})
        endif()
    endif()
endforeach()

add_library(picker_model STATIC ${QB_MODEL_SOURCES})
set_target_properties(picker_model PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC ON
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(picker_model PUBLIC ${QB_ROOT})
target_compile_definitions(picker_model PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
target_link_libraries(picker_model PUBLIC Qt::Core Qt::Gui)

# The scene value's zlib stream: libdeflate where the system has it (much
# faster than zlib at the same size), else the toolkit's qCompress at level 9.
# zlib itself reads a damaged value as far as it goes, and finds where
# libdeflate's blocks end, so that each tab's blocks are compressed once and
# joined into the stream of every write.
option(QB_WITH_LIBDEFLATE "Compress the scene's picker data with libdeflate when it is found" ON)
set(QB_SCENE_COMPRESSION "qCompress (zlib level 9)")
find_package(ZLIB QUIET)
if(ZLIB_FOUND)
    target_link_libraries(picker_model PRIVATE ZLIB::ZLIB)
    target_compile_definitions(picker_model PRIVATE QB_HAVE_ZLIB)
endif()
if(QB_WITH_LIBDEFLATE)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_check_modules(LIBDEFLATE QUIET IMPORTED_TARGET libdeflate)
    endif()
    if(LIBDEFLATE_FOUND)
        target_link_libraries(picker_model PRIVATE PkgConfig::LIBDEFLATE)
        target_compile_definitions(picker_model PRIVATE QB_HAVE_LIBDEFLATE)
        set(QB_SCENE_COMPRESSION "libdeflate ${LIBDEFLATE_VERSION}")
        if(ZLIB_FOUND)
            string(APPEND QB_SCENE_COMPRESSION ", unchanged tabs kept compressed (zlib ${ZLIB_VERSION_STRING})")
        endif()
    endif()
endif()
if(ZLIB_FOUND)
    string(APPEND QB_SCENE_COMPRESSION "; damaged values read as far as they go")
else()
    string(APPEND QB_SCENE_COMPRESSION "; damaged values not read (no zlib)")
endif()
message(STATUS "Scene data compression: ${QB_SCENE_COMPRESSION}")

file(GLOB QB_PLUGIN_SOURCES CONFIGURE_DEPENDS
    ${QB_ROOT}/plugin/*.cpp ${QB_ROOT}/plugin/*.h
    ${QB_ROOT}/canvas/*.cpp ${QB_ROOT}/canvas/*.h
    ${QB_ROOT}/edit/*.cpp ${QB_ROOT}/edit/*.h
    ${QB_ROOT}/window/*.cpp ${QB_ROOT}/window/*.h
    ${QB_ROOT}/namespaces/*.cpp ${QB_ROOT}/namespaces/*.h)
foreach(f ${QB_MODEL_EXTRA})
    string(REPLACE ".cpp" ".h" h ${f})
    list(REMOVE_ITEM QB_PLUGIN_SOURCES ${QB_ROOT}/${f} ${QB_ROOT}/${h})
endforeach()
# The entry points go into the module alone, so that tests can link the rest.
list(REMOVE_ITEM QB_PLUGIN_SOURCES ${QB_ROOT}/plugin/plugin_entry.cpp)

add_library(picker_objects OBJECT ${QB_PLUGIN_SOURCES} ${QB_ROOT}/resources/picker_resources.qrc)
set_target_properties(picker_objects PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC ON AUTORCC ON
    AUTORCC_OPTIONS "-no-compress" CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_link_libraries(picker_objects PUBLIC picker_model Qt::Widgets ${QB_HOST_API})
target_compile_definitions(picker_objects PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
if(NOT QB_WITH_MAYA_DEVKIT)
    target_compile_definitions(picker_objects PUBLIC QB_STANDIN_HOST)
endif()

add_library(QuillbrookPicker MODULE ${QB_ROOT}/plugin/plugin_entry.cpp)
target_link_libraries(QuillbrookPicker PRIVATE picker_objects)
set_target_properties(QuillbrookPicker PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/plug-ins)
if(APPLE)
    set_target_properties(QuillbrookPicker PROPERTIES SUFFIX ".bundle")
elseif(WIN32)
    set_target_properties(QuillbrookPicker PROPERTIES SUFFIX ".mll")
    target_link_options(QuillbrookPicker PRIVATE /export:initializePlugin /export:uninitializePlugin)
else()
    set_target_properties(QuillbrookPicker PROPERTIES SUFFIX ".so")
endif()
set(QB_PLUGIN_PATH $<TARGET_FILE:QuillbrookPicker>)

# Installed as one Maya module serving several releases:
#   <prefix>/QuillbrookPicker.mod
#   <prefix>/QuillbrookPicker/<year>/<platform>/{plug-ins,scripts}
# with one "+ MAYAVERSION:<year> PLATFORM:<platform>" line per installed
# release. Each install merges its lines into the .mod file already there, so
# a Qt 5 build (Maya 2022-2024) and a Qt 6 build (Maya 2025 and later)
# installed into one prefix make one module; put <prefix> on MAYA_MODULE_PATH.
# Empty: the one release built for (MAYA_VERSION), which then follows it
# when it changes; a list installs the same build for several releases.
set(QB_MAYA_VERSIONS "" CACHE STRING
    "Maya releases (years, a list) this build is installed for; MAYA_VERSION when empty")
if(QB_MAYA_VERSIONS STREQUAL "")
    set(QB_MAYA_VERSIONS ${MAYA_VERSION})
endif()
foreach(year ${QB_MAYA_VERSIONS})
    if(NOT year MATCHES "^20[0-9][0-9]$")
        message(FATAL_ERROR "QB_MAYA_VERSIONS: '${year}' is not a Maya release year")
    endif()
    # Maya 2025 moved to Qt 6: a plug-in built for the other Qt does not load.
    if((year LESS 2025 AND QB_QT_MAJOR STREQUAL "6") OR (year GREATER_EQUAL 2025 AND QB_QT_MAJOR STREQUAL "5"))
        message(WARNING "Maya ${year} does not ship Qt ${QB_QT_MAJOR}; its build will not load there")
    endif()
endforeach()
if(APPLE)
    set(QB_MAYA_PLATFORM mac)
elseif(WIN32)
    set(QB_MAYA_PLATFORM win64)
else()
    set(QB_MAYA_PLATFORM linux)
endif()

set(_qb_mod_lines "")
foreach(year ${QB_MAYA_VERSIONS})
    set(_qb_dir QuillbrookPicker/${year}/${QB_MAYA_PLATFORM})
    install(TARGETS QuillbrookPicker LIBRARY DESTINATION ${_qb_dir}/plug-ins
                                     RUNTIME DESTINATION ${_qb_dir}/plug-ins)
    install(DIRECTORY DESTINATION ${_qb_dir}/scripts)
    list(APPEND _qb_mod_lines
        "+ MAYAVERSION:${year} PLATFORM:${QB_MAYA_PLATFORM} QuillbrookPicker ${PROJECT_VERSION} ./${_qb_dir}")
endforeach()
install(CODE "
    set(QB_MOD_LINES \"${_qb_mod_lines}\")
    include(\"${QB_ROOT}/cmake/MergeModFile.cmake\")
")
