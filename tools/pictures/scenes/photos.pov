// The ten preview photos: the products on a white ground, in a studio with
// one large soft light. Kind (1..10) comes from the command line
// (Declare=Kind=N), as do Width and Height of the finished photo.
// Units are millimetres.

#version 3.7;
#include "transforms.inc"
#include "outline.inc"

#ifndef (Kind) #declare Kind = 1; #end
#ifndef (Width) #declare Width = 108; #end
#ifndef (Height) #declare Height = 109; #end

global_settings {
  assumed_gamma 1.0
  max_trace_level 8
  ambient_light rgb 1
}

background { rgb 1 }

// The white ground: lit above white, it only greys in the shadows.
// Far from the products, where the light grazes it, the ground is made
// brighter so that it stays white up to the horizon.
plane {
  y, 0
  pigment {
    spherical
    color_map { [0.0 rgb 1.32] [0.5 rgb 1.0] [1.0 rgb 1.0] }
    scale 1400
  }
  finish { ambient 0.76 diffuse 0.42 }
}

// The soft box above and to the left, and a fill from the camera's side.
light_source {
  <-900, 1300, 250>
  rgb 1.0
  area_light <500, 0, 0>, <0, 0, 500>, 6, 6
  adaptive 1
  circular
  orient
}
light_source { <300, 500, -1400> rgb 0.22 shadowless }

// What the metal mirrors but the camera does not see: a dark studio with a
// broad bright band of soft boxes a little above the horizon.
sphere {
  0, 8000
  pigment {
    gradient y
    color_map {
      [0.00 rgb 0.95]
      [0.06 rgb 0.55]
      [0.14 rgb 0.22]
      [0.30 rgb 1.45]
      [0.42 rgb 1.45]
      [0.55 rgb 0.28]
      [1.00 rgb 0.40]
    }
    scale 8000
  }
  finish { ambient 1 diffuse 0 }
  hollow
  no_image
  no_shadow
}

// Steels. Streaks run along x in the object's own frame; the profiles are
// built along z, so they are turned to run along their length.
#macro Streaks(Base, Amount, Sx)
  pigment {
    bozo
    color_map {
      [0.0 rgb Base * (1 - Amount)]
      [0.6 rgb Base]
      [1.0 rgb Base * (1 + Amount)]
    }
    scale <Sx, 0.6, 0.6>
  }
#end

// Bright drawn steel: bars and tubes.
#declare BrightSteel = texture {
  Streaks(<0.56, 0.57, 0.59>, 0.10, 80)
  normal { bumps 0.12 scale <60, 0.3, 0.3> }
  finish { ambient 0.03 diffuse 0.32 specular 0.7 roughness 0.012 metallic 0.8 reflection { 0.38, 0.55 metallic } }
}
// The same ground across the end faces: saw marks.
#declare CutSteel = texture {
  Streaks(<0.72, 0.72, 0.73>, 0.04, 60)
  normal { bumps 0.12 scale <40, 0.4, 40> }
  finish { ambient 0.08 diffuse 0.70 specular 0.5 roughness 0.03 metallic 0.5 reflection { 0.10 metallic } }
}
// Hot-rolled steel with its blue-grey mill scale.
#declare RolledSteel = texture {
  pigment {
    bozo
    color_map {
      [0.0 rgb <0.31, 0.33, 0.36>]
      [0.5 rgb <0.36, 0.38, 0.41>]
      [1.0 rgb <0.41, 0.43, 0.46>]
    }
    scale <40, 8, 8>
    turbulence 0.4
  }
  normal { granite 0.06 scale 3 }
  finish { ambient 0.04 diffuse 0.62 specular 0.45 roughness 0.03 metallic 0.5 reflection { 0.10, 0.18 metallic } }
}
// Cold-rolled sheet: light, smooth and a little glossy.
#declare SheetSteel = texture {
  Streaks(<0.66, 0.67, 0.69>, 0.05, 200)
  normal { bumps 0.05 scale <100, 0.4, 0.4> }
  finish { ambient 0.04 diffuse 0.40 specular 0.6 roughness 0.015 metallic 0.7 reflection { 0.30, 0.45 metallic } }
}

// A pipe along z from z = 0 to Len.
#macro Pipe(R, Wall, Len)
  difference {
    cylinder { <0, 0, 0>, <0, 0, Len>, R }
    cylinder { <0, 0, -1>, <0, 0, Len + 1>, R - Wall }
    texture { BrightSteel rotate 90 * y }
    interior_texture { pigment { rgb <0.22, 0.22, 0.23> } finish { ambient 0.04 diffuse 0.5 specular 0.2 } }
  }
#end

// The current outline as a bar along z, its length faces ground along it.
#macro Bar(Len, R, Tex)
  object {
    OutlineSolid(Len, R)
    texture { Tex rotate 90 * y }
  }
#end

#macro PhotoCamera(Location, LookAt, Angle)
  camera {
    perspective
    location Location
    look_at LookAt
    right x * Width / Height
    up y
    angle Angle
  }
#end

#switch (Kind)

// Three round pipes, their open ends toward the camera.
#case (1)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  #declare R = 30;
  union {
    object { Pipe(R, 3.5, 520) translate <-R - 0.5, R, 0> }
    object { Pipe(R, 3.5, 520) translate <R + 0.5, R, 30> }
    object { Pipe(R, 3.5, 520) translate <0, R + R * 1.732 + 0.5, 15> }
    rotate -28 * y
  }
#break

// Rectangular hollow sections, three in a stack.
#case (2)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  OutlineReset()
  RoundRectLoop(<0, 0>, 60, 40, 5, 1)
  RoundRectLoop(<0, 0>, 52, 32, 2, -1)
  #declare Tube = Bar(520, 0.8, BrightSteel)
  union {
    object { Tube translate <-31, 20, 0> }
    object { Tube translate <31, 20, 25> }
    object { Tube translate <0, 61, 12> }
    rotate -28 * y
  }
#break

// A square bar and a second one behind it.
#case (3)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  OutlineReset()
  RoundRectLoop(<0, 0>, 46, 46, 1.5, 1)
  union {
    object { Bar(520, 1.2, BrightSteel) translate <-27, 23, 0> }
    object { Bar(520, 1.2, BrightSteel) translate <27, 23, 40> }
    rotate -30 * y
  }
#break

// Round bars: a bundle of three.
#case (4)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  #declare R = 24;
  #macro RoundBar()
    union {
      cylinder { <0, 0, 0.6>, <0, 0, 520>, R texture { BrightSteel rotate 90 * y } }
      cylinder { <0, 0, 0>, <0, 0, 0.6>, R - 0.6 texture { CutSteel } }
      torus { R - 0.6, 0.6 rotate 90 * x translate 0.6 * z texture { BrightSteel } }
    }
  #end
  union {
    object { RoundBar() translate <-R - 0.3, R, 0> }
    object { RoundBar() translate <R + 0.3, R, 20> }
    object { RoundBar() translate <0, R + R * 1.732 + 0.3, 10> }
    rotate -30 * y
  }
#break

// An equal angle lying on its legs' edges, the L toward the camera.
#case (5)
  PhotoCamera(<-260, 300, -380>, <100, 54, 60>, 25)
  OutlineReset()
  Pt(<-40, -40>)
  Pt(<60, -40>)
  Arc(<57, -31>, 3, -90, 90, 4)
  Arc(<-20, -20>, 8, 270, 180, 5)
  Arc(<-31, 57>, 3, 0, 180, 4)
  EndLoop()
  object { Bar(520, 0.8, RolledSteel) translate <0, 40, 0> rotate 45 * y }
#break

// A stack of sheets, each a little askew.
#case (6)
  PhotoCamera(<-210, 250, -400>, <8, 8, 10>, 40)
  #declare S = 0;
  #while (S < 9)
    box {
      <-125, S * 3.4, -85>, <125, S * 3.4 + 2.8, 85>
      texture { SheetSteel rotate 20 * y }
      rotate (mod(S * 7, 5) - 2) * 1.2 * y
      translate <mod(S * 3, 4) * 1.2 - 1.8, 0, mod(S * 5, 3) * 1.2 - 1.2>
    }
    #declare S = S + 1;
  #end
#break

// A coil of strip standing on its edge: wound layers on the side, the
// strip's end lying loose over the top.
#case (7)
  PhotoCamera(<-230, 200, -360>, <0, 60, 0>, 34)
  #declare Ro = 78;
  #declare Ri = 34;
  #declare Wd = 56;
  union {
    difference {
      cylinder { <0, 0, -Wd / 2>, <0, 0, Wd / 2>, Ro }
      cylinder { <0, 0, -Wd>, <0, 0, Wd>, Ri }
      texture {
        pigment {
          onion
          color_map {
            [0.00 rgb 0.50]
            [0.55 rgb 0.66]
            [0.80 rgb 0.60]
            [1.00 rgb 0.38]
          }
          scale 3.2
        }
        normal { onion 0.5 scale 3.2 }
        finish { ambient 0.06 diffuse 0.65 specular 0.45 roughness 0.03 metallic 0.5 reflection { 0.12 metallic } }
      }
      interior_texture { BrightSteel }
    }
    // The outer turn, bright and smooth.
    difference {
      cylinder { <0, 0, -Wd / 2 + 0.2>, <0, 0, Wd / 2 - 0.2>, Ro + 0.4 }
      cylinder { <0, 0, -Wd>, <0, 0, Wd>, Ro - 0.2 }
      texture { BrightSteel rotate 90 * y }
    }
    // The strip's end, a short step on the outer turn.
    intersection {
      difference {
        cylinder { <0, 0, -Wd / 2 + 0.2>, <0, 0, Wd / 2 - 0.2>, Ro + 2.0 }
        cylinder { <0, 0, -Wd>, <0, 0, Wd>, Ro + 0.3 }
      }
      plane { -x, 0 rotate -20 * z }
      plane { x, 0 rotate 35 * z }
      texture { BrightSteel rotate 90 * y }
    }
    translate <0, Ro, 0>
    rotate -35 * y
  }
#break

// Hexagon bars, three in a stack.
#case (8)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  OutlineReset()
  #declare K = 0;
  #while (K < 6)
    #declare A = 60 * K;
    Arc(<cos(radians(A)), sin(radians(A))> * (27.7 - 1.2), 1.2, A - 30, A + 30, 2)
    #declare K = K + 1;
  #end
  EndLoop()
  #declare Hex = Bar(520, 0.8, BrightSteel)
  union {
    object { Hex translate <-60, 24, 30> }
    object { Hex translate <0, 24, 0> }
    object { Hex translate <60, 24, 45> }
    rotate -28 * y
  }
#break

// A channel lying on its back, flanges up.
#case (9)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  OutlineReset()
  Pt(<-50, 0>)
  Pt(<50, 0>)
  Arc(<48, 58>, 2, 0, 90, 3)
  Arc(<40, 58>, 2, 90, 180, 3)
  Arc(<31, 17>, 6, 0, -90, 4)
  Arc(<-31, 17>, 6, 270, 180, 4)
  Arc(<-40, 58>, 2, 0, 90, 3)
  Arc(<-48, 58>, 2, 90, 180, 3)
  EndLoop()
  object { Bar(520, 0.8, RolledSteel) rotate -30 * y }
#break

// Two I-beams side by side.
#case (10)
  PhotoCamera(<-230, 330, -400>, <-30, 88, 120>, 36)
  OutlineReset()
  Arc(<33, -48>, 2, -90, 0, 2)
  Arc(<33, -40>, 2, 0, 90, 2)
  Arc(<10, -31>, 6, 270, 180, 4)
  Arc(<10, 31>, 6, 180, 90, 4)
  Arc(<33, 40>, 2, 270, 360, 2)
  Arc(<33, 48>, 2, 0, 90, 2)
  Arc(<-33, 48>, 2, 90, 180, 2)
  Arc(<-33, 40>, 2, 180, 270, 2)
  Arc(<-10, 31>, 6, 90, 0, 4)
  Arc(<-10, -31>, 6, 0, -90, 4)
  Arc(<-33, -40>, 2, 90, 180, 2)
  Arc(<-33, -48>, 2, 180, 270, 2)
  EndLoop()
  #declare Beam = Bar(520, 0.8, RolledSteel)
  union {
    object { Beam translate <-38, 50, 0> }
    object { Beam translate <38, 50, 35> }
    rotate -30 * y
  }
#break

#end
