#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace quarn {

// Reads the text of a pattern file without ever holding up the window. A regular file is read at
// once. A named pipe is read as its writer supplies it, and given up on when nothing comes for a
// while, as happens when it has no writer at all. Folders, devices and sockets are refused.
class PatternFileReader : public QObject
{
    Q_OBJECT

public:
    explicit PatternFileReader(QObject* parent = nullptr);
    ~PatternFileReader() override;
    PatternFileReader(const PatternFileReader&) = delete;
    PatternFileReader& operator=(const PatternFileReader&) = delete;
    PatternFileReader(PatternFileReader&&) = delete;
    PatternFileReader& operator=(PatternFileReader&&) = delete;

    // How long a pipe may stay silent before it is given up on.
    static constexpr int kPipeSilenceMs = 5000;

    // Starts reading the file, given by its name as the system has it, which need not be valid
    // UTF-8. Read or Failed follows: at once for a regular file, later for a pipe. A read that is
    // still under way is abandoned.
    void Start(const QByteArray& path);

signals:
    void Read(const QByteArray& text);
    void Failed(const QString& why);

private:
    void ReadPipe();
    void Drain();
    void Finish();
    void Fail(const QString& why);
    void Close();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer silence_;
    QByteArray text_;
};

} // namespace quarn
