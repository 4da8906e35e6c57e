#pragma once

#include <QImage>

// The pictures of the referral documents. The letterhead is drawn from the deployment's names;
// the others are stored as resources.
namespace referral {

QImage coatOfArms();       // stretched to 31 x 30 mm
QImage departmentEmblem(); // stretched to 30 x 30 mm
QImage documentsBox();     // stretched to 72 x 44 mm
QImage documentsStrip();   // natural size, 716 x 216 pixels at 96 dpi
QImage letterhead();       // natural size, 688 x 125 pixels at 96 dpi

} // namespace referral
