# Gavelor: every target installs what is missing first, then builds.
.PHONY: all deps build run test asan bench fuzz format package screenshots clean

JOBS ?= $(shell nproc)

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

run: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target gavelor
	./build/release/gavelor $(ARGS)

test: build
	ctest --preset default -j $(JOBS)

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@sh scripts/run-bench.sh build/release

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@sh scripts/run-fuzz.sh build/fuzz 30

package: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target gavelor
	cd build/release && cpack -G DEB

screenshots: build
	./build/default/tools/screenshots docs/images

format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
