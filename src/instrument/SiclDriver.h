#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// The SICL calls the program makes for the Agilent IEEE-488 card. SiclDriver is the library as
// it is (every call returns 0 or an error number); Sicl raises a SiclError, carrying the
// library's number and text, where a failing call stops what the program was doing.
namespace tlv {

class SiclDriver {
public:
    virtual ~SiclDriver() = default;

    // A session on an address such as "hpib7,9"; 0 when it cannot be opened.
    virtual int iopen(const QByteArray& address) = 0;
    virtual int iclose(int id) = 0;
    virtual int itimeout(int id, long milliseconds) = 0;
    // Reads end at this byte (10: a line feed).
    virtual int itermchr(int id, int character) = 0;
    // The formatted write of text and a line feed (the format "%s\n", so the line feed goes
    // with END).
    virtual int iprintf(int id, const QByteArray& text) = 0;
    // At most size bytes, up to the read terminator, into reply.
    virtual int iread(int id, unsigned long size, QByteArray& reply) = 0;
    // The bytes as they are; end != 0 sends END with the last.
    virtual int iwrite(int id, const QByteArray& bytes, int end) = 0;
    // Releases every session.
    virtual int siclcleanup() = 0;
    virtual int igeterrno() = 0;
    virtual QString igeterrstr(int error) = 0;
};

class SiclError : public std::runtime_error {
public:
    SiclError(QString call, int number, QString text);
    QString call() const { return call_; }
    int number() const { return number_; }
    QString text() const { return text_; }
    // "SICL error 4 in iread: Timeout"
    QString message() const;

private:
    QString call_;
    int number_;
    QString text_;
};

class Sicl {
public:
    explicit Sicl(SiclDriver& driver) : driver_(driver) {}

    // These raise a SiclError when the library reports a failure.
    int open(const QByteArray& address);
    void close(int id);
    void timeout(int id, long milliseconds);
    void termchr(int id, int character);
    QByteArray read(int id, unsigned long size);
    void cleanup();

    // These return 0 when sent, otherwise the error number.
    int printf(int id, const QByteArray& text) { return driver_.iprintf(id, text); }
    int write(int id, const QByteArray& bytes, int end) { return driver_.iwrite(id, bytes, end); }

    // The error of a failed printf or write, in the library's words.
    SiclError failure(const QString& call, int number);

private:
    // Raises the library's latest error.
    [[noreturn]] void raise(const char* call);
    void check(int result, const char* call);

    SiclDriver& driver_;
};

}  // namespace tlv
