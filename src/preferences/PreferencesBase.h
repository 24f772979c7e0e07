#pragma once

#include "PreferencesNode.h"

#include <QString>

namespace quillmark::utils {

// The base class of both preference classes: what they share is their node, found from the main
// class's name, and the generic pass-through accessors to any key of it.
class PreferencesBase
{
public:
    Q_DISABLE_COPY_MOVE(PreferencesBase)

    QString getHandler(const QString &key, const QString &defaultValue) const;
    qint64 getHandler(const QString &key, qint64 defaultValue) const;
    void setHandler(const QString &key, const QString &value);
    void setHandler(const QString &key, qint64 value);
    void remove(const QString &key);
    // The file behind the store.
    QString fileName() const { return prefs.fileName(); }

    // "/" followed by the class name with every "." a "/": "/com/quillmark/hrl/HRL".
    static QString nodePathOf(const QString &className);

protected:
    // className is the fully qualified name of the program's main class.
    explicit PreferencesBase(const QString &className);
    ~PreferencesBase() = default;

    PreferencesNode prefs;
};

} // namespace quillmark::utils
