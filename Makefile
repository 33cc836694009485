# Front door to the CMake build: `make run` starts the drill, `make test`
# runs the whole suite. Both install what is missing first.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
LEXICON_FUZZ_SECONDS ?= 20
FUZZ_CLASS_SECONDS ?= 15
FUZZ_SERVER_SECONDS ?= 15
FUZZ_RESULTS_SECONDS ?= 15
ANALYSER_FUZZ_SECONDS ?= 15
FUZZ_SECONDS ?= 60
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# CMake's own makefiles would otherwise name every folder they enter.
MAKEFLAGS += --no-print-directory

# In `make test` each reader is fuzzed for a shorter while than in `make
# fuzz`, so that the whole suite stays within a quarter of an hour on two cores.
TEST_FUZZ_TIMES ?= FUZZ_SECONDS=20 LEXICON_FUZZ_SECONDS=10 FUZZ_CLASS_SECONDS=10 FUZZ_SERVER_SECONDS=10 \
	FUZZ_RESULTS_SECONDS=10 ANALYSER_FUZZ_SECONDS=10

# Under the sanitizers the random pupil plays a shorter game: every window and
# question still comes up, at a quarter of the run time.
SANITIZE_MONKEY_EVENTS ?= 5000

.PHONY: all deps configure build program run test test-sanitize fuzz bench screenshots package clean windows windows-test

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Only what the program needs to run: itself, its sound module, its cues.
program: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target analisi-grammaticale

run: program
	@bash scripts/run-program.sh $(BUILD_DIR)/analisi-grammaticale

# The whole suite, then the robustness tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then a short fuzzing of every reader.
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize
	@$(MAKE) --no-print-directory fuzz $(TEST_FUZZ_TIMES)

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DENABLE_SANITIZERS=ON > /dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS) --target sanitize_tests
	@cd $(SANITIZE_DIR) && MONKEY_EVENTS=$(SANITIZE_MONKEY_EVENTS) ctest --output-on-failure -L sanitize

# The collection reader under libFuzzer for FUZZ_SECONDS, starting from the
# seed corpus; new inputs it finds are kept in $(FUZZ_DIR)/corpus.
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DBUILD_FUZZERS=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_collection_format
	@mkdir -p $(FUZZ_DIR)/corpus
	@$(FUZZ_DIR)/fuzz_collection_format -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -dict=tests/fuzz/collection.dict -print_final_stats=1 \
		$(FUZZ_DIR)/corpus tests/fuzz/corpus
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_lexicon
	@mkdir -p $(FUZZ_DIR)/lexicon-corpus
	@$(FUZZ_DIR)/fuzz_lexicon -max_total_time=$(LEXICON_FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
		$(FUZZ_DIR)/lexicon-corpus tests/fuzz/lexicon-corpus
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_class_list
	@mkdir -p $(FUZZ_DIR)/corpus-classi
	@$(FUZZ_DIR)/fuzz_class_list -max_total_time=$(FUZZ_CLASS_SECONDS) -max_len=4096 -print_final_stats=1 \
		$(FUZZ_DIR)/corpus-classi tests/fuzz/corpus-classi
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_server_rows
	@mkdir -p $(FUZZ_DIR)/corpus-server
	@$(FUZZ_DIR)/fuzz_server_rows -max_total_time=$(FUZZ_SERVER_SECONDS) -max_len=4096 -print_final_stats=1 \
		$(FUZZ_DIR)/corpus-server
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_results_file
	@mkdir -p $(FUZZ_DIR)/corpus-risultati
	@$(FUZZ_DIR)/fuzz_results_file -max_total_time=$(FUZZ_RESULTS_SECONDS) -max_len=16384 -print_final_stats=1 \
		$(FUZZ_DIR)/corpus-risultati tests/fuzz/corpus-risultati
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_analyser_output
	@mkdir -p $(FUZZ_DIR)/corpus-analisi
	@$(FUZZ_DIR)/fuzz_analyser_output -max_total_time=$(ANALYSER_FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
		$(FUZZ_DIR)/corpus-analisi tests/fuzz/corpus-analisi

bench: build
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	@bash bench/run-bench.sh $(BUILD_DIR)

screenshots: build
	@bash scripts/screenshots.sh $(BUILD_DIR)

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)

# The Windows build: Qt cross-built from Debian's sources once (long, kept
# in /var/cache/analisi-grammaticale/qt-mingw), then the program, the zip
# and the installer in $(WINDOWS_DIR). Not part of `make test`.
WINDOWS_DIR ?= build-windows
windows:
	@bash scripts/install-deps.sh --windows
	@bash scripts/windows/build-qt.sh
	@bash scripts/windows/build-program.sh $(WINDOWS_DIR)

# The Windows program driven under Wine through a whole series, to FINE;
# skipped when the cross-built Qt is not in the cache.
windows-test:
	@bash scripts/windows/wine-test.sh $(WINDOWS_DIR)
