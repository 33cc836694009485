# Benchmark programs (make bench). They link the real windows from drill_app,
# as the tests do; none is built by default, only by the `benchmarks` target.
set(BENCH_DIR ${CMAKE_CURRENT_LIST_DIR})

function(drill_bench name)
    add_executable(${name} EXCLUDE_FROM_ALL ${ARGN})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${BENCH_DIR})
endfunction()

# Start-up: the drill's splash and handover, a bare Qt window, and the
# driver that starts both and compares them.
drill_bench(bench_startup_drill ${BENCH_DIR}/startup_drill.cpp ${BENCH_DIR}/paint_probe.h)
# Linked as the program is: the sound module is loaded from the build folder.
target_link_libraries(bench_startup_drill PRIVATE drill_windows)
drill_bench(bench_startup_bare ${BENCH_DIR}/startup_bare.cpp ${BENCH_DIR}/paint_probe.h)
target_link_libraries(bench_startup_bare PRIVATE Qt6::Widgets)
drill_bench(bench_startup ${BENCH_DIR}/startup_driver.cpp)

# Handlers and refit; idle CPU.
drill_bench(bench_handlers ${BENCH_DIR}/handlers.cpp ${BENCH_DIR}/paint_probe.h)
target_link_libraries(bench_handlers PRIVATE drill_app)
drill_bench(bench_idle ${BENCH_DIR}/idle.cpp ${BENCH_DIR}/paint_probe.h)
target_link_libraries(bench_idle PRIVATE drill_app)

# Teachers' collections: load time, memory and the draw in a grown bank.
drill_bench(bench_collections ${BENCH_DIR}/collections.cpp)
target_link_libraries(bench_collections PRIVATE drill_windows)

add_custom_target(benchmarks DEPENDS
    bench_startup bench_startup_drill bench_startup_bare bench_handlers bench_idle bench_collections cues
    analisi-grammaticale-sound)

# The sentence editor's proposals against the built-in key, and its speed.
drill_bench(bench_editor_proposals ${BENCH_DIR}/editor_proposals.cpp)
target_link_libraries(bench_editor_proposals PRIVATE drill_rules Qt6::Core)
add_dependencies(benchmarks bench_editor_proposals analisi-grammaticale-frasi)
drill_bench(bench_editor_speed ${BENCH_DIR}/editor_speed.cpp ${BENCH_DIR}/paint_probe.h)
target_link_libraries(bench_editor_speed PRIVATE editor_gui)
add_dependencies(benchmarks bench_editor_speed)

# The lexicon: opening and looking up.
drill_bench(bench_lexicon ${BENCH_DIR}/lexicon_speed.cpp)
target_link_libraries(bench_lexicon PRIVATE lexicon)
add_dependencies(benchmarks bench_lexicon lexicon_data)
# "I miei progressi" over five years of made-up history.
drill_bench(bench_progress ${BENCH_DIR}/progress_open.cpp ${BENCH_DIR}/paint_probe.h)
target_link_libraries(bench_progress PRIVATE drill_windows)
add_dependencies(benchmarks bench_progress)
# The editor's proposals of a verb's values and of each word's kind.
drill_bench(bench_value_proposals ${BENCH_DIR}/value_proposals.cpp ${BENCH_DIR}/key_sentences.h)
target_link_libraries(bench_value_proposals PRIVATE editor_core)
add_dependencies(benchmarks bench_value_proposals lexicon_data)
