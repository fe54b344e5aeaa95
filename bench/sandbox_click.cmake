find_package(Qt${QB_QT_MAJOR} COMPONENTS Test QUIET)
if(TARGET sandbox_core AND TARGET qbx AND TARGET Qt::Test)
    qb_add_benchmark(bench_sandbox_click SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_sandbox_click.cpp
        LIBS sandbox_core qb_widget_bench_main Qt::Test)
    target_compile_definitions(bench_sandbox_click PRIVATE QB_PLUGIN_PATH="$<TARGET_FILE:QuillbrookPicker>"
        QB_QBX_PATH="$<TARGET_FILE:qbx>")
    add_dependencies(bench_sandbox_click QuillbrookPicker qbx)
endif()
