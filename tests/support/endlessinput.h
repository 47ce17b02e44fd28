// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace velmo::test {

// Input without end, such as a device or a pipe that is never closed: `pattern` over and over.
// `served` counts the bytes handed out, to show how much a reader took before it stopped.
class EndlessInput : public QIODevice {
public:
    explicit EndlessInput(QByteArray pattern) : pattern_(std::move(pattern)) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 served = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        for (qint64 done = 0; done < size;) {
            const qint64 at = served % pattern_.size();
            const qint64 n = std::min(size - done, pattern_.size() - at);
            std::memcpy(data + done, pattern_.constData() + at, static_cast<std::size_t>(n));
            done += n;
            served += n;
        }
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray pattern_;
};

}  // namespace velmo::test
