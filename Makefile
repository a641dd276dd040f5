# Thin wrapper over the CMake presets; every target first installs what is missing.
.PHONY: deps build run test bench screenshot format clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	build/release/window/quennarix

test: build
	ctest --preset release

bench: build
	build/release/bench/quennarix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

screenshot: build
	scripts/screenshot.py

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
