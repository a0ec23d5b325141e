# make run  : install missing packages, build, prepare the program folder ./appdir, start K9
# make test : install missing packages, build, run every test
BUILD ?= build
APPDIR ?= $(CURDIR)/appdir

.PHONY: deps build run test bench appdir clean

deps:
	@scripts/deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

appdir: build
	$(BUILD)/k9 --appdir $(APPDIR) batch prepare

run: appdir
	cd $(APPDIR) && $(CURDIR)/$(BUILD)/k9 --appdir $(APPDIR)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	$(BUILD)/bench/k9_bench

clean:
	rm -rf $(BUILD)
