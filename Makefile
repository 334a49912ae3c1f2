# The two commands of the README are `make run` and `make test`; the rest serve developers.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60
# Tests run side by side, one per core.
TEST_JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DRAZZLEWICK_WERROR=ON
endif

export ASAN_OPTIONS ?= detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS ?= halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS ?= suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0

.PHONY: all deps configure build run test test-plain test-asan screenshots bench fuzz fuzz-smoke install package clean

all: build

deps:
	@scripts/install-deps

# Configured as the Debian package is built, so the tests run on what ships.
configure: deps
	@scripts/configure-build $(BUILD) $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD)

run: build
	@scripts/run-razzlewick $(BUILD)

# Every test runs in the normal build, and again (ASAN_SKIPPED aside) with the address and
# undefined-behaviour sanitizers, which fail the run on any report. Then each fuzz
# target gets a short run.
test: test-plain test-asan fuzz-smoke

test-plain: build
	@ctest --test-dir $(BUILD) --output-on-failure --timeout 300 -j$(TEST_JOBS)

# What the sanitizers would only repeat: the second run of the permission cases as an
# unprivileged user. (The sanitizer build leaves out the vocabulary checks of the shipped words.)
ASAN_SKIPPED = _unprivileged$$

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja $(CMAKE_FLAGS) -DRAZZLEWICK_SANITIZE=ON \
		-DRAZZLEWICK_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 >/dev/null
	@cmake --build $(ASAN_BUILD)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure --timeout 600 -j$(TEST_JOBS) \
		-E '$(ASAN_SKIPPED)'

screenshots: build
	@cmake --build $(BUILD) --target screenshots

bench: build
	@cmake --build $(BUILD) --target bench

fuzz: deps
	@scripts/fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Ten seconds a target finds what a changed parser breaks at once; `make fuzz` searches longer.
fuzz-smoke: deps
	@scripts/fuzz $(FUZZ_BUILD) 10

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package razzlewick_<version>_<arch>.deb, packed from the normal build.
package: build
	@scripts/build-package $(BUILD) --pack-only

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-package
