#pragma once

#include "net/gamediscovery.h"

#include <optional>

// Records what the window announces, and finds the games a test sets.
class FakeGameDiscovery : public GameDiscovery
{
public:
    std::optional<QString> published; // the name, while announced

    void publish(const QString &name, quint16) override { published = name; }
    void withdraw() override { published.reset(); }
    void startBrowsing() override {}
    void stopBrowsing() override {}
    using GameDiscovery::setGames;
};
