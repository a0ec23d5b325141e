# make run  : install missing packages, build, make ./appdir a program folder (on the demo
#             corporation when it has no program database yet), start K9
# make test : install missing packages, build, run every test
BUILD ?= build
APPDIR ?= $(CURDIR)/appdir

.PHONY: deps build run test bench appdir clean

deps:
	@scripts/deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

# A new program folder opens on the demo corporation; an existing one is only brought up to date.
appdir: build
	@if [ -f "$(APPDIR)/k9.db" ]; then \
		echo "$(BUILD)/k9 --appdir $(APPDIR) batch prepare"; $(BUILD)/k9 --appdir $(APPDIR) batch prepare; \
	else \
		echo "$(BUILD)/k9 --appdir $(APPDIR) batch demo"; $(BUILD)/k9 --appdir $(APPDIR) batch demo; \
	fi

run: appdir
	cd $(APPDIR) && $(CURDIR)/$(BUILD)/k9 --appdir $(APPDIR)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	$(BUILD)/bench/k9_bench

clean:
	rm -rf $(BUILD)
