#include "instrument/SiclDriver.h"

namespace tlv {

SiclError::SiclError(QString call, int number, QString text)
    : std::runtime_error(QString("SICL error %1 in %2: %3").arg(number).arg(call, text).toStdString()),
      call_(std::move(call)),
      number_(number),
      text_(std::move(text))
{
}

QString SiclError::message() const
{
    return QString::fromStdString(what());
}

void Sicl::raise(const char* call)
{
    const int number = driver_.igeterrno();
    throw SiclError(call, number, driver_.igeterrstr(number));
}

void Sicl::check(int result, const char* call)
{
    if (result != 0)
        raise(call);
}

SiclError Sicl::failure(const QString& call, int number)
{
    return SiclError(call, number, driver_.igeterrstr(number));
}

int Sicl::open(const QByteArray& address)
{
    const int id = driver_.iopen(address);
    if (id == 0)
        raise("iopen");
    return id;
}

void Sicl::close(int id)
{
    check(driver_.iclose(id), "iclose");
}

void Sicl::timeout(int id, long milliseconds)
{
    check(driver_.itimeout(id, milliseconds), "itimeout");
}

void Sicl::termchr(int id, int character)
{
    check(driver_.itermchr(id, character), "itermchr");
}

QByteArray Sicl::read(int id, unsigned long size)
{
    QByteArray reply;
    check(driver_.iread(id, size, reply), "iread");
    return reply;
}

void Sicl::cleanup()
{
    check(driver_.siclcleanup(), "_siclcleanup");
}

}  // namespace tlv
