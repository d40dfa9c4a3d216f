# Shorthands for the scripts (which need no make to be installed first).
.PHONY: run test test-asan bench deb windows fuzz analyse format clean

run:
	scripts/run

test:
	scripts/test

test-asan:
	scripts/test asan

bench:
	scripts/install-deps valgrind
	cmake --preset release
	cmake --build --preset release
	./build/release/bench/calc_bench
	QT_QPA_PLATFORM=offscreen:configfile=bench/wide_screen.json \
		./build/release/bench/window_bench --benchmark_enable_random_interleaving=true
	bench/startup.sh build/release

deb:
	scripts/deb

windows:
	scripts/windows

fuzz:
	scripts/fuzz

analyse:
	scripts/analyse

format:
	clang-format -i $$(git ls-files '*.cpp' '*.hpp')

clean:
	rm -rf build
