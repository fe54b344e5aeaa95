# The plug-in's own code, in layers. Each folder is one library and uses
# only the folders listed before it; the suite's layer check fails on an
# include from a folder listed after.
#   model       records, streams, files, scene data, name rules (Qt Core/Gui)
#   import      other tools' picker files read and mapped onto tabs
#   render      widget-free drawing of buttons through a view transform
#   ui          widget helpers: nested loops, dialogs, shortcut dispatch
#   document    picker_document, the scene store, the host port
#   edit        undo commands on a document, the clipboard, the command editor
#   canvas      picker_view, its menu, overlays and mouse trackers
#   namespaces  binding a picker's names to the scene's namespaces
#   window      picker_window, its menus, toolbox and tab files
#   plugin      the host command, callbacks, the host's port, entry points
# The qbx tool and the fuzz targets use model, import and render only.
set(QB_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
set(QB_LAYERS model import render ui document edit canvas namespaces window plugin)

function(qb_layer_sources layer out)
    file(GLOB sources CONFIGURE_DEPENDS ${QB_ROOT}/${layer}/*.cpp ${QB_ROOT}/${layer}/*.h)
    # The entry points go into the module alone, so that tests can link the rest.
    list(REMOVE_ITEM sources ${QB_ROOT}/plugin/plugin_entry.cpp)
    set(${out} ${sources} PARENT_SCOPE)
endfunction()

qb_layer_sources(model QB_MODEL_SOURCES)
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

# Each layer above the model links the one below it, and so all below.
set(_qb_below picker_model)
foreach(layer import render ui document edit canvas namespaces window plugin)
    qb_layer_sources(${layer} sources)
    add_library(picker_${layer} STATIC ${sources})
    set_target_properties(picker_${layer} PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC ON
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    target_compile_definitions(picker_${layer} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
    target_link_libraries(picker_${layer} PUBLIC ${_qb_below})
    set(_qb_below picker_${layer})
endforeach()
target_link_libraries(picker_render PUBLIC Qt::Gui)
target_link_libraries(picker_ui PUBLIC Qt::Widgets)
# The images and the embedded script, registered with Q_INIT_RESOURCE by the
# window and the entry point (a static library drops what nothing names).
target_sources(picker_window PRIVATE ${QB_ROOT}/resources/picker_resources.qrc)
set_target_properties(picker_window PROPERTIES AUTORCC ON AUTORCC_OPTIONS "-no-compress")
# Only the plug-in layer speaks the host's API.
target_link_libraries(picker_plugin PUBLIC ${QB_HOST_API})
if(NOT QB_WITH_MAYA_DEVKIT)
    target_compile_definitions(picker_plugin PUBLIC QB_STANDIN_HOST)
endif()
# Everything of the plug-in but its entry points: what unit tests link.
add_library(picker_objects INTERFACE)
target_link_libraries(picker_objects INTERFACE picker_plugin)

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
