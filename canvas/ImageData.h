#pragma once

#include <QByteArray>

namespace mimora {

/** One complete encoded picture file, as dropped, embedded or captured. */
using ImageData = QByteArray;

} // namespace mimora
