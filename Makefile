# Thin wrapper over the CMake presets: `make run` opens the window, `make test` runs every test.
.PHONY: run test test-asan deps bench format clean

deps:
	@scripts/install-deps

run: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/app/heat-exchanger

# Every test in a Release (-O2) and a Debug build: faults must not depend on the optimiser.
test: deps
	cmake --preset release
	cmake --build --preset release
	ctest --preset release
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/calc_bench
	QT_QPA_PLATFORM=offscreen ./build/release/bench/window_bench

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
