# "I miei risultati" and "Risultati della classe": the pupil's results file,
# its reader, the class view's totals and CSV (results_core, no windows);
# the pupil's save button, linked into the drill's windows; the class view,
# linked into the sentence editor.
set(RESULTS_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(results_core STATIC
    ${RESULTS_DIR}/results_file.cpp
    ${RESULTS_DIR}/my_results.cpp
    ${RESULTS_DIR}/class_summary.cpp
    ${RESULTS_DIR}/class_csv.cpp
    ${RESULTS_DIR}/sample_class.cpp
)
target_include_directories(results_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(results_core PUBLIC drill_history Qt6::Core Qt6::Sql)

target_sources(drill_windows PRIVATE ${RESULTS_DIR}/save_button.cpp)
target_link_libraries(drill_windows PUBLIC results_core)

find_package(Qt6 REQUIRED COMPONENTS PrintSupport Concurrent)
add_library(results_class_view STATIC ${RESULTS_DIR}/class_results_window.cpp)
target_link_libraries(results_class_view PUBLIC results_core drill_windows Qt6::Widgets Qt6::PrintSupport Qt6::Concurrent)
target_link_libraries(editor_gui PUBLIC results_class_view)

# 30 pupils, a year of daily practice each, in the class view (make bench).
drill_bench(bench_class_results ${BENCH_DIR}/class_results.cpp)
target_link_libraries(bench_class_results PRIVATE results_class_view)
add_dependencies(benchmarks bench_class_results)

# The pictures of the class view and of "I miei progressi" with its button.
add_executable(results_screenshots EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/results_screenshots.cpp)
target_link_libraries(results_screenshots PRIVATE results_class_view)
