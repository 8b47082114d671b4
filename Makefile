# Gavelor: every target installs what is missing first, then builds.
.PHONY: all deps deps-test deps-package deps-fuzz build run test asan bench fuzz format package check-package \
	screenshots clean

JOBS ?= $(shell nproc)

all: build

# Each target installs only its own group of packages (scripts/install-deps.sh names them).
deps:
	@sh scripts/install-deps.sh run

deps-test:
	@sh scripts/install-deps.sh test

deps-package:
	@sh scripts/install-deps.sh package

deps-fuzz:
	@sh scripts/install-deps.sh fuzz

build: deps-test
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

run: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target gavelor
	./build/release/gavelor $(ARGS)

test: build
	ctest --preset default -j $(JOBS)

asan: deps-test
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: deps-test
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@sh scripts/run-bench.sh build/release

fuzz: deps-fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@sh scripts/run-fuzz.sh build/fuzz 30

package: deps-package
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS) --target gavelor
	@rm -f build/release/gavelor_*.deb
	cd build/release && cpack -G DEB

# The package as Debian's checker sees it: any error or warning fails; informational tags are shown.
check-package: package
	lintian --fail-on error,warning --display-info build/release/gavelor_*.deb

screenshots: build
	xvfb-run -a -s "-screen 0 3840x2160x24 -dpi 96 -nolisten tcp" ./build/default/tools/screenshots docs/images

format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
