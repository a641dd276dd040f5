# Thin wrapper over the CMake presets; every target first installs what is missing.
.PHONY: deps build run test test-release test-sanitizers test-fuzz bench screenshot format clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	build/release/window/quennarix

# Every test: a bounded fuzzing run, the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on), then the release build.
test: test-fuzz test-sanitizers test-release

test-release: build
	ctest --preset release

test-sanitizers: deps
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

test-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

bench: build
	build/release/bench/quennarix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

screenshot: build
	scripts/screenshot.py

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
