qb_add_benchmark(bench_controls SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_controls.cpp LIBS picker_objects qb_widget_bench_main)
