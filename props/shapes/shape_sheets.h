// The sheets of lathes, polygons, 3-D text and triangles.
#pragma once

#include "props/prop_object.h"

class CPovLathe;
class CPovPolygon;
class CPovTTF;

class CPropLathe : public CPropObject {
  public:
    CPropLathe(CPovLathe& lathe, std::string caption);
};
class CPropPolygon : public CPropObject {
  public:
    CPropPolygon(CPovPolygon& polygon, std::string caption);
};
class CPropTTF : public CPropObject {
  public:
    CPropTTF(CPovTTF& text, std::string caption);
};
// triangles and smooth triangles: the texture page only
class CPropTriangle : public CPropObject {
  public:
    CPropTriangle(CPovObject& triangle, std::string caption);
};
