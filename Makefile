# Two commands do the work on a fresh Debian machine: `make run` and `make test`.
# Each installs the Debian packages it is missing, then drives CMake.

BUILD      ?= build
RUN_BUILD  ?= build-run
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
MONKEY_ASAN_BUILD ?= build-monkey-asan
WIN_BUILD  ?= build-windows
QT_MINGW   ?= $(HOME)/.cache/tav20/qt-6.4.2-mingw
# The program for Windows, through the MinGW-w64 toolchain against the Qt cross build.
WIN_CMAKE   = -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/packaging/windows/toolchain.cmake \
              -DTAV20_QT_MINGW=$(QT_MINGW) -DTAV20_BENCH=OFF -DTAV20_GUI_TESTS=OFF -DTAV20_DEB=OFF \
              -DTAV20_IMAGEGEN=OFF -DTAV20_HARDENING=OFF \
              -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/packaging/windows/wine.sh \
              -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
WIN_JOBS   ?= 2
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The program's build dependencies and the faces it shows; with PACKAGE_DEBS, debian/control's
# Build-Depends.
# Both are installed without the packages they only recommend, as Debian's build
# machines install Build-Depends: Qt Charts' CMake files need libqt6opengl6-dev,
# which qt6-base-dev only recommends.
BUILD_DEBS := cmake ninja-build g++ make pkg-config qt6-base-dev libqt6opengl6-dev libgl-dev \
              qt6-tools-dev qt6-l10n-tools qt6-charts-dev fonts-liberation2 fonts-dejavu-core \
              dpkg-dev
PACKAGE_DEBS := debhelper libgtest-dev poppler-utils git
TEST_DEBS  := googletest libbenchmark-dev xvfb xauth xdotool imagemagick \
              file desktop-file-utils appstream appstream-compose lintian man-db \
              python3-pyatspi at-spi2-core dbus-daemon dbus-bin libxcb1-dev
FUZZ_DEBS  := clang-16 libclang-rt-16-dev
MONKEY_DEBS := gdb xvfb xdotool
# Qt's sources come through apt-get source, its host tools from the Debian Qt.
WINDOWS_DEBS      := cmake ninja-build make g++-mingw-w64-x86-64-posix dpkg-dev \
                     qt6-base-dev qt6-tools-dev qt6-l10n-tools imagemagick zip
WINDOWS_TEST_DEBS := wine wine64 fonts-wine xvfb xauth xdotool xclip file unzip locales dbus-daemon dbus-bin \
                     poppler-utils
# Qt Charts is cross-built too once a window of the program uses it.
QT_MODULES := qtbase $(if $(shell find . -path './build*' -prune -o -name CMakeLists.txt -print \
                                  | xargs grep -l 'Qt6::Charts'),qtcharts)

# apt-get runs only when something is missing, so a set-up machine starts at once;
# $(2) are further options of apt-get install.
define install_missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $(2) $$missing; \
	fi
endef

.PHONY: run display program package test bench exhaustive fuzz monkey monkey-asan screenshots build \
        deps package-deps test-deps clean windows windows-test windows-startup

deps:
	$(call install_missing,$(BUILD_DEBS),--no-install-recommends)

package-deps: deps
	$(call install_missing,$(PACKAGE_DEBS),--no-install-recommends)

test-deps: package-deps
	$(call install_missing,$(TEST_DEBS))

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

build: test-deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The program alone, in a folder of its own: no tests, benchmarks or generators,
# and none of their packages.
$(RUN_BUILD)/build.ninja:
	cmake -S . -B $(RUN_BUILD) -G Ninja -DBUILD_TESTING=OFF -DTAV20_BENCH=OFF -DTAV20_IMAGEGEN=OFF

program: deps $(RUN_BUILD)/build.ninja
	cmake --build $(RUN_BUILD) -j $(JOBS) --target tav20 odziv_module

run: display program
	$(RUN_BUILD)/app/tav20

# Without a display Qt stops with a toolkit error; say instead what to do.
display:
	$(if $(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),,$(error tav20: nema ekrana (DISPLAY nije postavljen); pokrenite pod Xvfb: xvfb-run -a make run))

# The source package and tav20_1.00_<arch>.deb from debian/, built by dpkg-buildpackage in
# $(BUILD)/deb; a user installs it with apt-get install ./$(BUILD)/deb/tav20_1.00_*.deb
package: package-deps
	packaging/deb.sh $(BUILD)/deb

# The sanitizer builds, here and in fuzz, leave out Debian's hardening: _FORTIFY_SOURCE's
# checked libc calls would bypass the sanitizers' own.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DTAV20_GUI=OFF -DTAV20_BENCH=OFF -DTAV20_HARDENING=OFF \
	    -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE slow

# The start-up benchmark starts the packaged program and two bare Qt MDI frames in turn.
bench: build
	$(BUILD)/bench/calc_bench
	$(BUILD)/bench/response_bench
	$(BUILD)/bench/winding_bench
	$(BUILD)/bench/driver_bench
	$(BUILD)/bench/odziv_bench
	tests/packaging/unpack.sh $(BUILD) $(BUILD)/installed >/dev/null
	tests/e2e/session.sh $(BUILD)/bench/startup/startup_bench 20 $(BUILD)/installed/usr/bin/tav20 \
	    $(BUILD)/bench/startup/minimal_mdi $(BUILD)/bench/startup/minimal_mdi_menu

exhaustive: build
	$(BUILD)/tests/calc/calc_property --gtest_filter='Exhaustive.*' --gtest_also_run_disabled_tests

fuzz: deps
	$(call install_missing,$(FUZZ_DEBS))
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DTAV20_GUI=OFF -DTAV20_BENCH=OFF -DTAV20_HARDENING=OFF \
	    -DTAV20_FUZZ=ON \
	    -DCMAKE_CXX_COMPILER=clang++-16 -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) --target read_field_fuzz measurement_fuzz project_fuzz
	mkdir -p fuzz-corpus/field fuzz-corpus/measurement fuzz-corpus/project
	$(FUZZ_BUILD)/tests/calc/read_field_fuzz -max_total_time=$${FUZZ_SECONDS:-600} fuzz-corpus/field
	$(FUZZ_BUILD)/tests/driver/measurement_fuzz -max_total_time=$${FUZZ_SECONDS:-600} \
	    fuzz-corpus/measurement packaging/primeri
	$(FUZZ_BUILD)/tests/project/project_fuzz -max_total_time=$${FUZZ_SECONDS:-600} \
	    fuzz-corpus/project tests/project/seeds

# Random keys against the program under both regional settings at once, until
# MONKEY_MINUTES have passed (default 10); the same MONKEY_SEED sends the same keys.
# Crashes, with their keys and backtraces, go to <build>/monkey; any crash fails.
MONKEY = tools/monkey.py --minutes $${MONKEY_MINUTES:-10} --seed $${MONKEY_SEED:-1}

monkey: build
	$(call install_missing,$(MONKEY_DEBS))
	$(MONKEY) --out $(BUILD)/monkey $(BUILD)/app/tav20

# The same against a build with AddressSanitizer and UndefinedBehaviorSanitizer.
monkey-asan: test-deps
	$(call install_missing,$(MONKEY_DEBS))
	cmake -S . -B $(MONKEY_ASAN_BUILD) -G Ninja -DTAV20_BENCH=OFF -DTAV20_HARDENING=OFF -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(MONKEY_ASAN_BUILD) -j $(JOBS) --target tav20 odziv_module
	$(MONKEY) --out $(MONKEY_ASAN_BUILD)/monkey $(MONKEY_ASAN_BUILD)/app/tav20

# make screenshots SCALE=2 takes them at twice the pixel density.
screenshots: build
	SCALE=$(or $(SCALE),1) tools/screenshots.sh $(BUILD)

# The Windows release, build-windows/tav20-1.00-windows-x86_64.zip. The first run
# cross-builds Qt into $(QT_MINGW) (see the README for the time); later runs reuse it.
# QT_CHARTS_SOURCE=TARBALL names Qt Charts' sources (checked against their recorded sum).
windows:
	$(call install_missing,$(WINDOWS_DEBS))
	QT_CHARTS_SOURCE="$(QT_CHARTS_SOURCE)" \
	    nice -n 10 packaging/windows/build_qt.sh $(QT_MINGW) packaging/windows/toolchain.cmake $(WIN_JOBS) $(QT_MODULES)
	cmake -S . -B $(WIN_BUILD) $(WIN_CMAKE)
	nice -n 10 cmake --build $(WIN_BUILD) -j $(WIN_JOBS)
	cmake --build $(WIN_BUILD) --target windows_zip

# The release under Wine: its DLL imports, the core's tests, every form in both settings.
windows-test: windows
	$(call install_missing,$(WINDOWS_TEST_DEBS))
	tests/packaging/windows/run.sh $(WIN_BUILD)

# Start-up under Wine of the release against the same program with the response
# window linked in, which loads Qt Charts at every start.
windows-startup: windows-test
	cmake -S . -B $(WIN_BUILD)-linked $(WIN_CMAKE) -DTAV20_RESPONSE_MODULE=OFF
	nice -n 10 cmake --build $(WIN_BUILD)-linked -j $(WIN_JOBS) --target tav20
	WINEPREFIX=$(CURDIR)/$(WIN_BUILD)/wine tests/e2e/session.sh bench/startup/wine_startup.sh \
	    $$(ls -d $(WIN_BUILD)/unpacked/tav20-*-windows-x86_64) $(WIN_BUILD)-linked/app/tav20.exe 20

clean:
	rm -rf $(BUILD) $(RUN_BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(MONKEY_ASAN_BUILD) $(WIN_BUILD)
