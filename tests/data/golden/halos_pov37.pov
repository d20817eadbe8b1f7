//$author:$ 
//$company:$ 

//$zoom front:$ 0.0000
//$zoom right:$ 0.0000
//$zoom top:$ 0.0000
//$grid front:$ 0.0000
//$grid right:$ 0.0000
//$grid top:$ 0.0000
//$usepov37$ do not delete this line
#version 3.7;
global_settings { assumed_gamma 1.0 }
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
#include "stones.inc"


#declare Halo_3 = //$halo$ halo {
//$halo$   dust
//$halo$   poly
//$halo$   box_mapping
//$halo$   dust_type HENYEY_GREENSTEIN_SCATTERING
//$halo$   eccentricity 0.4000
//$halo$   max_value 3.5000
//$halo$   exponent 2.5000
//$halo$   samples 10.0000
//$halo$   aa_level 0.3000
//$halo$   aa_threshold 3.0000
//$halo$   jitter 0.5000
//$halo$   turbulence <0.5000,0.5000,0.5000>
//$halo$   octaves 6.0
//$halo$   lambda 2.0
//$halo$   omega 0.5
//$halo$   color_map {
//$halo$   	[ 0.0 color rgbft < 1.000 0.000 0.000 0.000 1.000 > ]
//$halo$   	[ 0.6 color rgbft < 1.000 1.000 0.000 0.200 0.500 > ]
//$halo$   	[ 1.0 color rgbft < 1.000 1.000 1.000 0.000 0.000 > ]
//$halo$   }
//$halo$   scale <1.5000,1.5000,1.5000>
//$halo$   rotate <0.0000,0.0000,0.0000>
//$halo$   translate <0.0000,0.7500,0.0000>
//$halo$ }
//$pov37 begin$
media {
  method 3
  samples 10
  aa_level 1
  aa_threshold 3.0000
  jitter 0.5000
  scattering { 5, <3.5000,3.5000,3.5000> eccentricity 0.4000 }
  density {
    boxed
    poly_wave 2.5000
    turbulence <0.5000,0.5000,0.5000>
    octaves 6
    omega 0.5000
    lambda 2.0000
    color_map {
      [ 0.0000 color rgb <0.0000,0.0000,0.0000> ]
      [ 0.6000 color rgb <0.5000,0.5000,0.0000> ]
      [ 1.0000 color rgb <1.0000,1.0000,1.0000> ]
    }
  }
  scale <1.5000,1.5000,1.5000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.7500,0.0000>
}
//$pov37 end$

#declare Halo_2 = //$halo$ halo {
//$halo$   glowing
//$halo$   cubic
//$halo$   cylindrical_mapping
//$halo$   max_value 2.5000
//$halo$   samples 10.0000
//$halo$   turbulence <0.5000,0.5000,0.5000>
//$halo$   octaves 6.0
//$halo$   lambda 2.0
//$halo$   omega 0.5
//$halo$   color_map {
//$halo$   	[ 0.0 color rgbft < 1.000 0.000 0.000 0.000 1.000 > ]
//$halo$   	[ 0.6 color rgbft < 1.000 1.000 0.000 0.200 0.500 > ]
//$halo$   	[ 1.0 color rgbft < 1.000 1.000 1.000 0.000 0.000 > ]
//$halo$   }
//$halo$   scale <1.5000,1.5000,1.5000>
//$halo$   rotate <0.0000,0.0000,0.0000>
//$halo$   translate <0.0000,0.5000,0.0000>
//$halo$ }
//$pov37 begin$
media {
  method 3
  samples 10
  emission <2.5000,2.5000,2.5000>
  absorption <2.5000,2.5000,2.5000>
  density {
    cylindrical
    cubic_wave
    turbulence <0.5000,0.5000,0.5000>
    octaves 6
    omega 0.5000
    lambda 2.0000
    color_map {
      [ 0.0000 color rgb <0.0000,0.0000,0.0000> ]
      [ 0.6000 color rgb <0.5000,0.5000,0.0000> ]
      [ 1.0000 color rgb <1.0000,1.0000,1.0000> ]
    }
  }
  scale <1.5000,1.5000,1.5000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.5000,0.0000>
}
//$pov37 end$

#declare Halo_1 = //$halo$ halo {
//$halo$   emitting
//$halo$   linear
//$halo$   spherical_mapping
//$halo$   max_value 1.5000
//$halo$   samples 10.0000
//$halo$   aa_level 0.3000
//$halo$   aa_threshold 3.0000
//$halo$   jitter 0.5000
//$halo$   color_map {
//$halo$   	[ 0.0 color rgbft < 1.000 0.000 0.000 0.000 1.000 > ]
//$halo$   	[ 0.6 color rgbft < 1.000 1.000 0.000 0.200 0.500 > ]
//$halo$   	[ 1.0 color rgbft < 1.000 1.000 1.000 0.000 0.000 > ]
//$halo$   }
//$halo$   scale <1.5000,1.5000,1.5000>
//$halo$   rotate <0.0000,0.0000,0.0000>
//$halo$   translate <0.0000,0.2500,0.0000>
//$halo$ }
//$pov37 begin$
media {
  method 3
  samples 10
  aa_level 1
  aa_threshold 3.0000
  jitter 0.5000
  emission <1.5000,1.5000,1.5000>
  density {
    spherical
    color_map {
      [ 0.0000 color rgb <0.0000,0.0000,0.0000> ]
      [ 0.6000 color rgb <0.5000,0.5000,0.0000> ]
      [ 1.0000 color rgb <1.0000,1.0000,1.0000> ]
    }
  }
  scale <1.5000,1.5000,1.5000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.2500,0.0000>
}
//$pov37 end$

#declare Halo_0 = //$halo$ halo {
//$halo$   attenuating
//$halo$   constant
//$halo$   planar_mapping
//$halo$   max_value 0.5000
//$halo$   samples 10.0000
//$halo$   color_map {
//$halo$   	[ 0.0 color rgbft < 1.000 0.000 0.000 0.000 1.000 > ]
//$halo$   	[ 0.6 color rgbft < 1.000 1.000 0.000 0.200 0.500 > ]
//$halo$   	[ 1.0 color rgbft < 1.000 1.000 1.000 0.000 0.000 > ]
//$halo$   }
//$halo$   scale <1.5000,1.5000,1.5000>
//$halo$   rotate <0.0000,0.0000,0.0000>
//$halo$   translate <0.0000,0.0000,0.0000>
//$halo$ }
//$pov37 begin$
media {
  method 3
  samples 10
  absorption <0.0000,0.0000,0.0000>
  scale <1.5000,1.5000,1.5000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}
//$pov37 end$

#declare Textur_0 = texture {
	pigment {
		color rgb < 1.000 1.000 1.000 > filter 0.0
	}
  //$halo$ halo { Halo_0 }
  //$halo$ halo { Halo_1 }
  //$halo$ halo { Halo_2 }
  //$halo$ halo { Halo_3 }
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

#declare Quader_001 = box {
  <-0.5,-0.5,-0.5>
  <0.5,0.5,0.5>
  scale <1.0000,1.0000,1.0000>
  //$quickcolor:$ <1.0000 1.0000 0.7500> 
  //$pov37 begin$
  pigment { color rgb <1.0000,1.0000,0.7500> }
  //$pov37 end$
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Quader_001
}

#declare Quader_000 = box {
  <-0.5,-0.5,-0.5>
  <0.5,0.5,0.5>
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

#declare Kugel_001 = sphere {
  <0.0,0.0,0.0>,1.0
  scale <1.0000,1.0000,1.0000>
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}


#declare CSG_000 = union {
	object { Kugel_001 }
	object { Quader_000 }
  scale <1.0000,1.0000,1.0000>
  //$quickcolor:$ <0.2500 1.0000 1.0000> 
  //$pov37 begin$
  pigment { color rgb <0.2500,1.0000,1.0000> }
  //$pov37 end$
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  CSG_000
}

#declare Kugel_000 = sphere {
  <0.0,0.0,0.0>,1.0
  scale <1.0000,1.0000,1.0000>
  //$quickcolor:$ <1.0000 0.5000 1.0000> 
  texture
  {
    Textur_0
    scale <2.0000,2.0000,2.0000>
    rotate <0.0000,0.0000,0.0000>
    translate <0.0000,0.0000,0.0000>
  }
  //$pov37 begin$
  hollow
  interior {
    media { Halo_0 scale <2.0000,2.0000,2.0000> rotate <0.0000,0.0000,0.0000> translate <0.0000,0.0000,0.0000> }
    media { Halo_1 scale <2.0000,2.0000,2.0000> rotate <0.0000,0.0000,0.0000> translate <0.0000,0.0000,0.0000> }
    media { Halo_2 scale <2.0000,2.0000,2.0000> rotate <0.0000,0.0000,0.0000> translate <0.0000,0.0000,0.0000> }
    media { Halo_3 scale <2.0000,2.0000,2.0000> rotate <0.0000,0.0000,0.0000> translate <0.0000,0.0000,0.0000> }
  }
  //$pov37 end$
  rotate <0.0000,0.0000,0.0000>
  translate <0.0000,0.0000,0.0000>
}

object {
  Kugel_000
}

