# Whole set-up on a fresh Debian 12 machine: "make run" starts the program, "make test" runs
# every test in the normal and the sanitizer build and a short run of each fuzz target.

# What building and running the program need: "make run" installs only these.
RUN_PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation2
# What the tests add: GoogleTest and Google Benchmark, Debian's packaging tools, the MinGW-w64
# cross compiler and Wine, clang for the fuzz targets, valgrind on a virtual X display, and the
# desktop fonts that the text-fit test sets as the desktop's sans.
TEST_PACKAGES := libgtest-dev libgmock-dev libbenchmark-dev \
                 dpkg-dev file desktop-file-utils appstream \
                 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 \
                 clang-14 libclang-rt-14-dev valgrind xvfb xauth \
                 fonts-dejavu-core fonts-noto-core fonts-cantarell
# The Windows program: the MinGW-w64 cross compiler, Debian's Qt source and GoogleTest for the
# toolkit and the tests, and Wine on a virtual display with a window manager to run them.
WINDOWS_PACKAGES := cmake ninja-build dpkg-dev qt6-base-dev libgtest-dev file \
                    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
                    wine64 fonts-wine fonts-liberation2 xvfb xauth x11-utils openbox xdotool xclip
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)
QUABBEL_WERROR ?= OFF

.PHONY: all deps test-deps build-program build build-asan build-fuzz run test test-default \
        test-asan test-fuzz fuzz package format clean deps-windows windows test-windows \
        test-windows-if-built
.NOTPARALLEL:

all: build

# Installs only what is missing of the packages in $(1), so a second run does not touch apt.
define install_missing
	@missing=""; \
	for package in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$package 2>/dev/null | grep -q '^install ok installed$$' \
	        || missing="$$missing $$package"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive \
	        apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(RUN_PACKAGES))

test-deps:
	$(call install_missing,$(RUN_PACKAGES) $(TEST_PACKAGES))

deps-windows:
	$(call install_missing,$(WINDOWS_PACKAGES))

# The program alone; a first configuration leaves the tests out, a later one keeps its choice.
build-program: deps
	@test -f build/CMakeCache.txt || \
	    cmake --preset default -DBUILD_TESTING=OFF -DQUABBEL_WERROR=$(QUABBEL_WERROR)
	cmake --build --preset default --target quabbel

# The program, its tests and benchmarks.
build: test-deps
	cmake --preset default -DBUILD_TESTING=ON -DQUABBEL_WERROR=$(QUABBEL_WERROR)
	cmake --build --preset default

build-asan: test-deps
	cmake --preset asan -DQUABBEL_WERROR=$(QUABBEL_WERROR)
	cmake --build --preset asan

build-fuzz: test-deps
	cmake --preset fuzz -DQUABBEL_WERROR=$(QUABBEL_WERROR)
	cmake --build --preset fuzz

run: build-program
	./build/app/quabbel

# Widget tests need no display.
test-default test-asan: export QT_QPA_PLATFORM ?= offscreen

test-default: build
	ctest --preset default

test-asan: build-asan
	ctest --preset asan

test-fuzz: build-fuzz
	ctest --preset fuzz

test: test-default test-asan test-fuzz test-windows-if-built

# build-windows/quabbel-1.00-win64.zip with a static quabbel.exe. The first run builds the static
# Qt it needs into a cache outside the clone (tools/windows/qt_toolkit.sh, 30 to 60 minutes).
windows: deps-windows
	export QUABBEL_WINDOWS_QT=$$(tools/windows/qt_toolkit.sh build) && \
	cmake --preset windows -DQUABBEL_WERROR=$(QUABBEL_WERROR) && \
	cmake --build --preset windows && \
	cmake --build --preset windows --target package

# The Windows build's tests and the shipped quabbel.exe under Wine, on a virtual display.
test-windows: windows
	export QUABBEL_WINDOWS_QT=$$(tools/windows/qt_toolkit.sh prefix) && \
	xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
	    tools/windows/with_openbox.sh ctest --preset windows

# Part of "make test" once the toolkit is in the cache; CI does not build it.
test-windows-if-built:
	@if tools/windows/qt_toolkit.sh present 2>/dev/null; then \
	    $(MAKE) test-windows; \
	else \
	    echo "Windows tests skipped: no Windows toolkit in the cache; \"make windows\" builds it."; \
	fi

# Ten minutes for each fuzz target; the corpora grow in build-fuzz/tests/fuzz/corpus/.
fuzz: build-fuzz
	ctest --preset fuzz-long

# The Debian package, into build/packages/.
package: build
	cmake --build --preset default --target package

# Every benchmark, as one table of figures and goals; benchmarks are never run as tests.
.PHONY: bench
bench: build
	./bench/run_all.sh build

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz build-windows
