#pragma once

#include <QByteArray>

#include <string>
#include <vector>

extern char **environ;

// The environment for a probe: this one, with the platform (and the X
// display) given.
struct ProbeEnvironment {
    explicit ProbeEnvironment(const char *platform, const char *display = nullptr, bool sessionBus = true)
    {
        for (char **entry = environ; *entry; ++entry) {
            const std::string text = *entry;
            const bool bus = text.starts_with("DBUS_SESSION_BUS_ADDRESS=") || text.starts_with("AT_SPI_BUS_ADDRESS=");
            if (!text.starts_with("QT_QPA_PLATFORM=") && !(display && text.starts_with("DISPLAY=")) && (sessionBus || !bus))
                strings.push_back(text);
        }
        strings.push_back(std::string("QT_QPA_PLATFORM=") + platform);
        if (display)
            strings.push_back(std::string("DISPLAY=") + display);
        for (std::string &text : strings)
            pointers.push_back(text.data());
        pointers.push_back(nullptr);
    }

    std::vector<std::string> strings;
    std::vector<char *> pointers;
};


// The times to the first map of the shipped program and of the bare window,
// started alternately.
struct FirstMaps {
    std::vector<double> kelmoMs, bareMs;
};
FirstMaps measureFirstMaps(const QByteArray &kelmo, const QByteArray &bare, ProbeEnvironment &environment,
                           const QByteArray &display, int count);

// Milliseconds from starting `program` with `environment` until the X
// server maps its first top-level window on `display`, which has no window
// manager: the moment the window is on screen. The program is then ended.
// Negative when it maps nothing within 10 s.
double timeToFirstMap(const char *program, char *const environment[], const char *display);
