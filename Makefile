# The two commands of the README: `make run` and `make test`.
BUILD ?= build
PREFIX ?= /usr/local
CMAKE_FLAGS ?=
ifeq ($(CI),true)
CMAKE_FLAGS += -DRAZZLEWICK_WERROR=ON
endif

.PHONY: all deps configure build run test screenshots bench install clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	@scripts/run-razzlewick $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure --timeout 300

screenshots: build
	@cmake --build $(BUILD) --target screenshots

bench: build
	@cmake --build $(BUILD) --target bench

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	@rm -rf $(BUILD)
