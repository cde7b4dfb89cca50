// Reading one resource from a resource library: a Qt binary resource bundle found by file name,
// registered for the one read and unregistered at once.
#pragma once

#include <QByteArray>
#include <QString>

namespace quorvex {

// The bytes of resource type/name in the bundle file; names are compared without regard to
// case. Empty when the file, the type or the name is missing.
QByteArray ReadBundleResource(const QString& bundle_file, const QString& type, const QString& name);

}  // namespace quorvex
