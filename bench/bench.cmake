# Benchmark programs.
