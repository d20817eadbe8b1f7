//$author:$ Orvanta
//$company:$ Test
//$comment:$Zeile eins
//$comment:$Zeile zwei
//$zoom front:$ 0.0000
//$zoom right:$ 0.0000
//$zoom top:$ 0.0000
//$grid front:$ 0.0000
//$grid right:$ 0.0000
//$grid top:$ 0.0000
//$usepov3$ do not delete this line
//
//  standard include files for POV.
//
#include "colors.inc"
#include "textures.inc"
#include "shapes.inc"
#include "stoneold.inc"
#include "consts.inc"
#include "glass.inc"
#include "golds.inc"
#include "metals.inc"
#include "woods.inc"
#include "skies.inc"
#include "stones.inc"


//$user_inc begin$
#include "mine.inc"
//$user_inc end$
#declare Halo_0 = halo {
  attenuating
  constant
  planar_mapping
  max_value 1.0000
  samples 10.0000
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

#declare Pigment_0 = 	pigment {
		color rgb < 1.000 1.000 1.000 > filter 0.0
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

#declare Textur_0 = texture {
	pigment {
		color rgb < 1.000 1.000 1.000 > filter 0.0
	}
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

camera {
  location <0.0000,0.0000,-4.0000>
  look_at <0.0000,0.0000,0.0000>
}

#declare Nebel_000 = fog { 
  fog_type Uniform_Fog
  distance 30.0000
  color rgb < 1.000 1.000 1.000 > filter 0.0
  fog_offset 20.0000
  fog_alt 25.0000
  up <0.0000,1.0000,0.0000>
  scale <1.0000,1.0000,1.0000>
}

fog { 
  Nebel_000
}

sky_sphere { 	S_Cloud1
}

background {  color rgb <0.0000,0.0000,0.0000> }

#declare Spot_001 = light_source {
  <-2.0000,4.0000,0.0000> color rgb <1.0000,1.0000,1.0000>
  spotlight
  point_at <0.0000,0.0000,0.0000>
  radius 10.0000
  falloff 20.0000
  tightness 10.0000
}

object {
  Spot_001
}

#declare Spot_000 = light_source {
  <-2.0000,4.0000,0.0000> color rgb <1.0000,1.0000,1.0000>
  cylinder
  point_at <0.0000,0.0000,0.0000>
  radius 10.0000
  falloff 20.0000
  tightness 10.0000
}

object {
  Spot_000
}

#declare Lichtquelle_000 = light_source {
  <0.0000,0.0000,0.0000> color rgb <1.0000,1.0000,1.0000>
}

object {
  Lichtquelle_000
}


#declare Ebene_000 = plane {
	<0.0,1.0,0.0> , 0.0
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Ebene_000
}


#declare Blob_000 = blob {
  threshold 1.0000
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Blob_000
}


#declare CSG_001 = union {
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  CSG_001
}

#declare Text_000 = text {
  ttf ""
  ""
  1.0000
  <0.0000,0.0000,0.0000>
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Text_000
}

#declare Polygon_000 = polygon {
  4.0
  <-0.7500,-0.7500> , 
  <0.7500,-0.7500> , 
  <0.7500,0.7500> , 
  <-0.7500,0.7500>
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Polygon_000
}

#ifdef (ORVANTA_INVOKED)
#end

//$predefined_object$ do not delete this line

#declare objekt_000 = union {
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  objekt_000
}

#declare Rotationskoerper000 = lathe {
  linear_spline
  5.0
  <0.0000,0.0000> , 
  <0.5000,0.2500> , 
  <1.0000,0.5000> , 
  <0.5000,0.7500> , 
  <0.0000,1.0000>
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Rotationskoerper000
}

#declare HF_000 = height_field {
 gif "unknown.gif"
  water_level 0.0000
  scale <1.0000,0.5000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  HF_000
}

#declare Zylinder_000 = cylinder {
  <0.0,-0.5,0.0>,<0.0,0.5,0.0>,1.0
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Zylinder_000
}

#declare Ring_000 = torus {
  1.0 0.5000
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Ring_000
}

#declare Kegel_000 = cone {
  <0.0,0.0,0.0>,1.0,<0.0,1.0,0.0>,0.0
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Kegel_000
}

#declare Quader_000 = box {
  <-0.5,-0.5,-0.5>
  <0.5,0.5,0.5>
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Quader_000
}

#declare Kugel_000 = sphere {
  <0.0,0.0,0.0>,1.0
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Kugel_000
}


//$showinfos$
