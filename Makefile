# Thin wrapper over the CMake presets; every target first installs the Debian
# packages its purpose needs (scripts/install-deps.sh).
.PHONY: build run test test-release test-sanitizers test-fuzz test-windows test-reproducible windows dist bench screenshot format clean

# The one clock a build reads is the commit's.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# CPack's archivers take the modes of the files they write from the umask, and
# ZIP's times are local.
CPACK = umask 022 && TZ=UTC0 cpack
VERSION = $(shell sed -n 's/^project.quennarix VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)

DEPS = @./scripts/install-deps.sh

# The program alone: no tests or benchmarks, nothing installed for them.
run:
	$(DEPS) program
	cmake --preset release -DBUILD_TESTING=OFF -DQUENNARIX_BUILD_BENCHMARKS=OFF
	cmake --build --preset release --target quennarix
	build/release/qt/quennarix

build:
	$(DEPS) program test
	cmake --preset release -DBUILD_TESTING=ON -DQUENNARIX_BUILD_BENCHMARKS=ON
	cmake --build --preset release

# Every test: a bounded fuzzing run, the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on), the Windows build under Wine,
# the release built twice to the same bytes, then the release build's tests,
# whose summary closes the output.
test: test-fuzz test-sanitizers test-windows test-reproducible test-release

test-release: build
	ctest --preset release

test-sanitizers:
	$(DEPS) program test
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

test-fuzz:
	$(DEPS) program test
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

# quennarix.exe cross-built with MinGW-w64, a portable ZIP and an installer.
windows:
	$(DEPS) windows
	cmake --preset windows
	cmake --build --preset windows
	cd build/windows && $(CPACK)

test-windows: windows
	ctest --preset windows

# Debian's reprotest builds the release twice from a clone, varying the second build.
test-reproducible:
	$(DEPS) program test windows release
	scripts/check-reproducible.sh

# The release: the .deb, the Windows ZIP and MSI, the source of the commit, and
# their checksums. The same commit gives the same bytes.
dist: build windows
	$(DEPS) release
	cd build/release && $(CPACK)
	rm -rf dist
	mkdir dist
	cp build/release/quennarix_$(VERSION)_*.deb build/windows/quennarix-$(VERSION)-windows-x64.zip \
	   build/windows/quennarix-$(VERSION)-windows-x64.msi dist/
	git archive --format=tar --prefix=quennarix-$(VERSION)/ HEAD | gzip -9n > dist/quennarix-$(VERSION).tar.gz
	cd dist && sha256sum * > SHA256SUMS
	cat dist/SHA256SUMS

bench: build
	build/release/bench/quennarix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

screenshot: build windows
	$(DEPS) pictures
	tests/with_xvfb.sh 640x480x24 scripts/screenshot.py
	scripts/screenshot-windows.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf --one-file-system build dist
