#pragma once

#include "skin/mask_plane.h"

namespace qv {

// Mask codes: a mask pixel's 4-bit palette index.
enum MaskCode : int {
  kOutsideCode = 0,
  kFirstViewportCode = 9,
  kFirstTrackButtonCode = 10,
  kCloseButtonCode = 11,
  kSecondViewportCode = 12,
  kSecondTrackButtonCode = 14,
  kDragHandleCode = 15,
};

// The seven planes of the mask, all of one size.
struct SkinMasks {
  int width = 0;
  int height = 0;
  int stride = 0;
  MaskPlane shape;              // code != 0
  MaskPlane dragHandle;         // code == 15
  MaskPlane firstViewportCut;   // code != 9
  MaskPlane secondViewportCut;  // code != 12
  MaskPlane firstTrackButton;   // code == 10
  MaskPlane secondTrackButton;  // code == 14
  MaskPlane closeButton;        // code == 11
};

// The stencils the frame composition uses; drag handle and close button serve hit testing only.
struct SkinBitmaps {
  MonoBitmap shape;
  MonoBitmap firstViewportCut;
  MonoBitmap secondViewportCut;
  MonoBitmap firstTrackButton;
  MonoBitmap secondTrackButton;
};

}  // namespace qv
