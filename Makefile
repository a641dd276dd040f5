# Thin wrapper over the CMake presets; every target first installs the Debian
# packages its purpose needs (scripts/install-deps.sh).
.PHONY: build run check test test-release test-desktop test-sanitizers test-fuzz test-windows test-arm64 test-reproducible windows arm64 package dist bench screenshot format clean

# The one clock a build reads is the commit's, from git or the source archive.
SOURCE_DATE_EPOCH ?= $(shell scripts/commit.sh time)
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
	$(DEPS) program check desktop test
	cmake --preset release -DBUILD_TESTING=ON -DQUENNARIX_BUILD_BENCHMARKS=ON
	cmake --build --preset release

# The daily loop: the unit and offscreen window tests of the Release build,
# with nothing installed beyond GoogleTest: no Wine, compositors, roots or release.
check:
	$(DEPS) program check
	cmake --preset release -DBUILD_TESTING=ON
	cmake --build --preset release
	ctest --preset check

# Every test: a bounded fuzzing run, the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (leak checking on), the Windows build under Wine,
# the arm64 build under qemu-user and its package in an arm64 root, the release
# built twice to the same bytes, then the release build's tests, whose summary
# closes the output. SKIP="PASS..." leaves passes out by name, as CI does in a
# newer Debian's root for those the Debian 12 run has made.
TEST_PASSES = test-fuzz test-sanitizers test-windows test-arm64 test-reproducible test-release
ifneq ($(filter-out $(TEST_PASSES),$(SKIP)),)
$(error SKIP names no pass of make test: $(filter-out $(TEST_PASSES),$(SKIP)))
endif
test: $(filter-out $(SKIP),$(TEST_PASSES))
	$(if $(SKIP),@echo "make test: left out as asked: $(SKIP)")

test-release: build
	ctest --preset release

# The real program on Xvfb with Orca and on Weston, sway, Mutter and KWin.
test-desktop:
	$(DEPS) program check desktop
	cmake --preset release -DBUILD_TESTING=ON
	cmake --build --preset release
	ctest --preset release -L desktop

test-sanitizers:
	$(DEPS) program check desktop test
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

test-fuzz:
	$(DEPS) program fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz
	ctest --preset fuzz

# quennarix.exe cross-built with MinGW-w64, a portable ZIP and an installer,
# with the tests that run them under Wine.
windows:
	$(DEPS) windows windows-test
	cmake --preset windows
	cmake --build --preset windows
	cd build/windows && $(CPACK)

test-windows: windows
	ctest --preset windows

# The program and its tests cross-built for 64-bit ARM Linux, run under qemu-user.
arm64:
	$(DEPS) program check desktop test arm64 arm64-test
	cmake --preset arm64
	cmake --build --preset arm64

test-arm64: arm64 dist
	ctest --preset arm64
	tests/roots/test-package-in-root.sh

# Debian's reprotest builds the release twice from its own source archive,
# varying the second build, and both must give the bytes `make dist` gives here.
test-reproducible: dist
	$(DEPS) program windows release reproducible
	tests/packaging/check-reproducible.sh

# The release: the .deb, the Windows ZIP and MSI, the web page, the source
# archive and their checksums, built without tests; beside them, what they were
# built with. The same commit, built with the same packages, gives the same bytes.
package:
	$(DEPS) program windows arm64 release
	cmake --preset package
	cmake --build --preset package
	cmake --preset windows-package
	cmake --build --preset windows-package
	cmake --preset arm64-package
	cmake --build --preset arm64-package
	cd build/package && $(CPACK)
	cd build/windows-package && $(CPACK)
	cd build/arm64-package && $(CPACK)

dist: package
	rm -rf --one-file-system dist
	mkdir dist
	cp build/package/quennarix_$(VERSION)_*.deb build/arm64-package/quennarix_$(VERSION)_arm64.deb \
	   build/windows-package/quennarix-$(VERSION)-windows-x64.zip \
	   build/windows-package/quennarix-$(VERSION)-windows-x64.msi \
	   build/package/web-page/web/quennarix-$(VERSION).html dist/
	scripts/source-archive.sh $(VERSION) dist/quennarix-$(VERSION).tar.gz
	cd dist && sha256sum * > SHA256SUMS
	scripts/buildinfo.sh $(VERSION) > dist/quennarix-$(VERSION).buildinfo
	cat dist/SHA256SUMS

bench: build
	@bench/measured.py
	build/release/bench/quennarix_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

screenshot: build windows
	$(DEPS) pictures
	harness/with_xvfb.sh 640x480x24 scripts/screenshot.py
	scripts/screenshot-windows.sh
	scripts/screenshot-web.py build/release/web-page/web/quennarix-$(VERSION).html

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf --one-file-system build dist
