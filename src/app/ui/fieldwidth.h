// SPDX-License-Identifier: GPL-3.0-or-later
// Edit fields of the shell screens accept no more text than their column stores: widths are
// CP932 bytes, so a full-width character counts two.
#pragma once

class QLineEdit;

namespace k9 {

// Cuts what is typed or pasted into `edit` to `maxBytes` CP932 bytes, at a character boundary.
void limitToCp932Width(QLineEdit* edit, int maxBytes);

} // namespace k9
