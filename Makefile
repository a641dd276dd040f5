# Thin wrapper over the CMake presets; every target first installs what is missing.
.PHONY: deps build run test bench format clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	@if [ -x build/release/window/quennarix ]; then \
		exec build/release/window/quennarix; \
	else \
		echo "The window is not built yet: only the conversion library and its tests exist." >&2; \
		exit 1; \
	fi

test: build
	ctest --preset release

bench: build
	build/release/bench/quennarix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
