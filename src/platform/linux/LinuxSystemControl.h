#pragma once

#include "platform/SystemControl.h"

class LinuxSystemControl : public SystemControl
{
public:
    explicit LinuxSystemControl(QString root = QStringLiteral("/"));
    std::optional<QString> text(const char *name) const override;
    std::optional<qint64> integer(const char *name) const override;

private:
    QString m_root;
};
