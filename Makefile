# Whole set-up on a fresh Debian 12 machine: "make run" starts the program, "make test" runs
# every test in the normal and the sanitizer build.

DEBIAN_PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev \
                   libgtest-dev libgmock-dev libbenchmark-dev \
                   dpkg-dev file desktop-file-utils appstream \
                   binutils-mingw-w64-x86-64
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)
QUABBEL_WERROR ?= OFF

.PHONY: all deps build build-asan run test test-default test-asan package format clean
.NOTPARALLEL:

all: build

# Installs only what is missing, so a second run does not touch apt.
deps:
	@missing=""; \
	for package in $(DEBIAN_PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$package 2>/dev/null | grep -q '^install ok installed$$' \
	        || missing="$$missing $$package"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive \
	        apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset default -DQUABBEL_WERROR=$(QUABBEL_WERROR)
	cmake --build --preset default

build-asan: deps
	cmake --preset asan -DQUABBEL_WERROR=$(QUABBEL_WERROR)
	cmake --build --preset asan

run: build
	./build/app/quabbel

# Widget tests need no display.
test-default test-asan: export QT_QPA_PLATFORM ?= offscreen

test-default: build
	ctest --preset default

test-asan: build-asan
	ctest --preset asan

test: test-default test-asan

# The Debian package, into build/packages/.
package: build
	cmake --build --preset default --target package

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan
