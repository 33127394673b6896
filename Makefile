# Quick start:
#   make run    installs what is missing, builds and starts Tavolux
#   make test   installs what is missing, builds and runs every test
#   make bench  times the computer player, start-up, painting, files, the
#               move list, the statistics and the glide of a computer's move
#   make fuzz   fuzzes the saved-game decoder and the settings reader,
#               FUZZ_SECONDS (60) each, in a clang build of its own
#   make translations  brings translations/*.ts up to date with the sources
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
LUPDATE    ?= /usr/lib/qt6/bin/lupdate

.PHONY: all deps build build-asan run test test-core-asan bench clean install fuzz translations

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVOLUX_GUI=OFF \
	      -DTAVOLUX_SANITIZE=ON -DTAVOLUX_BENCHMARKS=OFF

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	./scripts/run-game $(BUILD)

test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

XVFB_BENCH = QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 2000x1300x24"

bench: build
	./$(BUILD)/bin/tavolux-cli bench bench/positions/*.tvx --repeat 20
	./$(BUILD)/bin/tavolux-cli bench bench/positions/*.tvx --repeat 5 --strength expert
	./$(BUILD)/bin/search_bench
	./$(BUILD)/bin/shell_bench
	$(XVFB_BENCH) ./$(BUILD)/bin/window_paint_bench
	$(XVFB_BENCH) ./bench/startup_bench.sh ./$(BUILD)/bin/tavolux 9
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bin/glide_bench

$(FUZZ_BUILD)/CMakeCache.txt: | deps
	CXX=clang++ cmake -S tests/fuzz -B $(FUZZ_BUILD)

fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./tests/fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# New texts come in unfinished (the translations_ts test points them out);
# texts gone from the sources are dropped.
translations: deps
	$(LUPDATE) -no-obsolete -I . -locations relative app lang view referee dialogs resources -ts translations/*.ts

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
