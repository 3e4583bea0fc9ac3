#include "support/temp_program_dir.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>

void TempProgramDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(this->file(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TempProgramDir::read(const QString &name) const
{
    QFile file(this->file(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TempProgramDir::exists(const QString &name) const
{
    return QFile::exists(file(name));
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN); // a failing write, not a killed process
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_oldSoftLimit = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_oldSoftLimit);
    setrlimit(RLIMIT_FSIZE, &limit);
}
