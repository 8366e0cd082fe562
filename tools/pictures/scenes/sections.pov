// The ten profile cross-sections, chosen by Kind (1..10) from the command line
// (Declare=Kind=N). One scene unit is one pixel of the finished picture; the
// picture's size comes in as Width and Height.

#version 3.7;
#include "transforms.inc"
#include "outline.inc"
#include "metal.inc"

#ifndef (Kind) #declare Kind = 1; #end
#ifndef (Width) #declare Width = 191; #end
#ifndef (Height) #declare Height = 190; #end

global_settings {
  assumed_gamma 1.0
  max_trace_level 6
}

#declare Steel = rgb <0.60, 0.61, 0.63>;

// Seen face on, without perspective, unless a kind wants otherwise.
#macro FaceCamera()
  camera {
    orthographic
    location <0, 0, -2000>
    look_at <0, 0, 0>
    right x * Width
    up y * Height
  }
#end

#macro FaceLights()
  // A light from behind the upper left catches the rounded edges that face it.
  light_source { <-1500, 1500, 900> rgb 0.85 shadowless }
  light_source { <-900, 1300, -1800> rgb 0.95 }
  light_source { <1400, -300, -1600> rgb 0.30 shadowless }
  light_source { <0, 0, -3000> rgb 0.18 shadowless }
#end

#switch (Kind)

// Round pipe: a ring with a transparent bore.
#case (1)
  FaceCamera() FaceLights()
  OutlineReset()
  CircleLoop(<0, 0>, 93, 144, 1)
  CircleLoop(<0, 0>, 73, 120, -1)
  object { OutlineSolid(40, 3.6) BrushedSteel(Steel, x) }
#break

// Rectangular hollow section: a frame with rounded corners.
#case (2)
  FaceCamera() FaceLights()
  OutlineReset()
  RoundRectLoop(<0, 0>, 195, 144, 13, 1)
  RoundRectLoop(<0, 0>, 167, 116, 5, -1)
  object { OutlineSolid(40, 3.0) BrushedSteel(Steel, x) }
#break

// Solid square bar.
#case (3)
  FaceCamera() FaceLights()
  OutlineReset()
  RoundRectLoop(<0, 0>, 189, 189, 5, 1)
  object { OutlineSolid(40, 3.6) BrushedSteel(Steel, x) }
#break

// Solid round bar.
#case (4)
  FaceCamera() FaceLights()
  OutlineReset()
  CircleLoop(<0, 0>, 95, 160, 1)
  object { OutlineSolid(40, 3.6) BrushedSteel(Steel, x) }
#break

// Equal angle in perspective: the L faces the viewer, its length runs away
// up and to the right.
#case (5)
  camera {
    perspective
    location <215, 190, -560>
    look_at <9, 5, 120>
    right x * Width / Height
    up y
    angle 20
  }
  light_source { <-100, 1400, -500> rgb 1.05 }
  light_source { <1200, 300, -200> rgb 0.22 shadowless }
  light_source { <-200, 100, -1500> rgb 0.38 shadowless }
  OutlineReset()
  // Legs 150 long, 20 thick, with a root fillet and rounded toes.
  Pt(<-60, -60>)
  Pt(<90, -60>)
  Arc(<86, -44>, 4, -90, 90, 6)
  Arc(<-29, -27>, 11, 270, 180, 6)
  Arc(<-44, 86>, 4, 0, 180, 6)
  EndLoop()
  // The sawn end is ground across, the rolled faces along the length.
  #declare AlongLength = BrushedSteel(Steel, z)
  #declare AcrossEnd = BrushedSteel(Steel * 1.06, x)
  object {
    OutlineSolid(300, 1.6)
    texture {
      slope -z
      texture_map {
        [0.00 AlongLength]
        [0.80 AlongLength]
        [0.92 AcrossEnd]
        [1.00 AcrossEnd]
      }
    }
  }
#break

// Sheet: an upright plate turned a little to show its edge.
#case (6)
  FaceCamera() FaceLights()
  OutlineReset()
  RoundRectLoop(<0, 0>, 138, 178, 1.5, 1)
  object {
    OutlineSolid(7, 0.9)
    BrushedSteel(Steel, x)
    rotate <0, 26, 0>
    translate <-4.5, 0, 0>
  }
#break

// Strip: a long flat band seen from above and in front.
#case (7)
  FaceCamera() FaceLights()
  OutlineReset()
  RoundRectLoop(<0, 0>, 238, 110, 1.5, 1)
  object {
    OutlineSolid(14, 1.2)
    BrushedSteel(Steel, x)
    rotate <62, 0, 0>
    translate <0, 4, 0>
  }
#break

// Hexagon with flat top and bottom, 160 across the flats.
#case (8)
  FaceCamera() FaceLights()
  OutlineReset()
  #declare K = 0;
  #while (K < 6)
    #declare A = radians(60 * K);
    #declare C = 92.376 - 4;
    Arc(<cos(A), sin(A)> * C, 4, 60 * K - 30, 60 * K + 30, 3)
    #declare K = K + 1;
  #end
  EndLoop()
  object { OutlineSolid(40, 3.6) BrushedSteel(Steel, x) }
#break

// Channel: the web along the top, the flanges pointing down, tapered on
// their inner faces, with root fillets and rounded toes.
#case (9)
  FaceCamera() FaceLights()
  OutlineReset()
  Pt(<-98, 54>)
  Pt(<98, 54>)
  Arc(<94, -50>, 4, 0, -90, 4)
  Arc(<76, -49>, 5, 270, 180, 4)
  Arc(<64, 26>, 10, 0, 90, 6)
  Arc(<-64, 26>, 10, 90, 180, 6)
  Arc(<-76, -49>, 5, 0, -90, 4)
  Arc(<-94, -50>, 4, 270, 180, 4)
  EndLoop()
  // The loop above runs clockwise; the metal must lie to the left.
  #declare Reversed = array[OutlineCount];
  #declare K = 0;
  #while (K < OutlineCount)
    #declare Reversed[K] = OutlinePoints[OutlineCount - 1 - K];
    #declare K = K + 1;
  #end
  #declare K = 0;
  #while (K < OutlineCount)
    #declare OutlinePoints[K] = Reversed[K];
    #declare K = K + 1;
  #end
  object { OutlineSolid(40, 2.6) BrushedSteel(Steel, x) }
#break

// I-beam: flanges at top and bottom joined by the web.
#case (10)
  FaceCamera() FaceLights()
  OutlineReset()
  Arc(<64, -70>, 3, -90, 0, 3)
  Arc(<64, -57>, 3, 0, 90, 3)
  Arc(<15, -49>, 9, 270, 180, 6)
  Arc(<15, 49>, 9, 180, 90, 6)
  Arc(<64, 57>, 3, 270, 360, 3)
  Arc(<64, 70>, 3, 0, 90, 3)
  Arc(<-64, 70>, 3, 90, 180, 3)
  Arc(<-64, 57>, 3, 180, 270, 3)
  Arc(<-15, 49>, 9, 90, 0, 6)
  Arc(<-15, -49>, 9, 0, -90, 6)
  Arc(<-64, -57>, 3, 90, 180, 3)
  Arc(<-64, -70>, 3, 180, 270, 3)
  EndLoop()
  object { OutlineSolid(40, 2.6) BrushedSteel(Steel, x) }
#break

#end
