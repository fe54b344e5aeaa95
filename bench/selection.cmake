qb_add_benchmark(bench_selection SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_selection.cpp LIBS picker_objects Qt5::Widgets)
