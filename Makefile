# The two commands of the README: `make run` and `make test`.
SHELL := /bin/bash
FUZZ_SECONDS ?= 20

.PHONY: deps build run test test-dev test-asan fuzz-quick release bench package screenshots clean

deps:
	@scripts/setup-deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev

run: build
	@scripts/run.sh

test: deps test-dev test-asan release fuzz-quick

test-dev:
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

test-asan:
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz-quick:
	cmake --preset fuzz
	cmake --build --preset fuzz
	@for seeds in fuzz/seeds/*/; do \
	  name=$$(basename $$seeds); mkdir -p build/fuzz/corpus/$$name; \
	  echo "== fuzz_$$name for $(FUZZ_SECONDS) s"; \
	  build/fuzz/fuzz/fuzz_$$name -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 \
	    build/fuzz/corpus/$$name $$seeds || exit 1; \
	done

release: deps
	cmake --preset release
	cmake --build --preset release

bench: release
	@scripts/run-benchmarks.sh

package: release
	cd build/release && cpack
	@ls build/release/*.deb

# Pictures of the main screens under a virtual display, at scale 1 (shown in the README) and 2.
screenshots: deps
	cmake -S . -B build/tools -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++ -DZW_BUILD_TOOLS=ON
	cmake --build build/tools --target zw_screenshots
	xvfb-run -a -s "-screen 0 1280x1024x24" build/tools/tools/screenshots/zw_screenshots docs/screenshots
	QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" build/tools/tools/screenshots/zw_screenshots docs/screenshots/scale2

clean:
	rm -rf build
