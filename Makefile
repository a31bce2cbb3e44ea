# The two commands of the README: `make run` and `make test`. Each first installs whatever
# Debian packages are missing, then configures and builds.

BUILD_DIR ?= build/dev
ASAN_DIR ?= build/asan
TSAN_DIR ?= build/tsan
FUZZ_DIR ?= build/fuzz
FUZZ_SECONDS ?= 30
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-asan test-tsan bench fuzz format format-check install clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DGEOPLAIT_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	@cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

# The suite without the desktop program under ThreadSanitizer, for the command line's writer
# thread. Qt is left out: its libraries are not built for the sanitizer.
test-tsan: deps
	@cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DGEOPLAIT_SANITIZE_THREAD=ON \
	  -DGEOPLAIT_BUILD_GUI=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS)
	@cd $(TSAN_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD_DIR) --target bench-run

# libFuzzer targets under AddressSanitizer and UndefinedBehaviorSanitizer, each run for
# FUZZ_SECONDS. What they find is left in $(FUZZ_DIR)/findings.
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DGEOPLAIT_BUILD_FUZZ=ON -DGEOPLAIT_BUILD_TESTS=OFF -DGEOPLAIT_BUILD_GUI=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

format: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

install: build
	@cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

clean:
	@rm -rf build
