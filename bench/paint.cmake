qb_add_benchmark(bench_paint SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_paint.cpp LIBS picker_objects Qt::Widgets)
