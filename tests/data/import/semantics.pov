// Expression and directive semantics. Every #debug line's text was checked against POV-Ray
// 3.7's own output (semantics.expected); the importer's evaluator must print the same.
#version 3.7;
#macro F(N, V) #debug concat(N, "=", str(V, 0, 4), "\n") #end
#macro W(N, V) #debug concat(N, "=", vstr(5, V, ",", 0, 4), "\n") #end

// arithmetic, precedence, promotion
F("prec", 1 + 2 * 3 - 4 / 8)
F("unary", -2 * -3 + - - 1)
F("parens", (1 + 2) * 3)
W("vecfloat", <1,2,3> + 1)
W("floatvec", 1 + <1,2,3> * 2)
W("promote2", <7,6> + <1,1,1>)
F("dot", <1,2,3>.y + <4,5,6>.z)
// relational, logical and conditional operators, only inside parentheses
F("rel", (1 + 2 < 3 + 1))
F("eq", (0.1 + 0.2 = 0.3))
F("ne", (1 != 1))
F("orand", (1 | 0 & 0))
F("not", (!1 | 1))
F("tern", (0 ? 1 : 2 ? 3 : 4))
W("vrel", (<1,2,3> = <1,2,4>))
F("strrel", ("abc" < "abd"))
// functions
F("mod", mod(-7, 3) + mod(7.5, 2))
F("int", int(-2.5) + floor(-2.5) + ceil(-1.5))
F("div", div(-7, 2))
F("trig", sin(pi / 6) + cos(0) + atan2(1, 1) + degrees(pi) + radians(180))
F("minmax", min(3, 1, 2) + max(3, 7, 2))
F("pow", pow(2, 10) + sqrt(16) + abs(-3.5) + exp(0) + ln(1) + log(100))
F("select", select(-1, 1, 2) + select(0, 1, 2, 3) * 10 + select(1, 1, 2) * 100)
F("bits", bitwise_and(12, 10) + bitwise_or(12, 10) + bitwise_xor(12, 10))
F("vlength", vlength(<3,4,0>) + vdot(<1,2,3>,<4,5,6>))
W("vcross", vcross(<1,0,0>, <0,1,0>))
W("vnormalize", vnormalize(<3,0,4>))
W("vrotate", vrotate(<1,2,3>, <10,20,30>))
W("vaxis", vaxis_rotate(<1,2,3>, <1,1,0>, 40))
W("axes", x + 2 * y + 3 * z)
F("consts", true + yes + on + false + no + off + pi)
F("strfns", strlen("hello") + asc("A") + val("3.5e1") + strcmp("a", "b"))
#debug concat(str(123.456, 9, 3), "|", str(123.456, -9, 3), "|", str(123.456, 0, 0), "|", str(3.5, -6, 1), "\n")
#debug concat(chr(65), substr("abcdef", 2, 3), strupr("aB"), strlwr("AbC"), vstr(3, <1,2,3>, ", ", 0, 1), "\n")
// colours
W("rgb", rgb <1, 0.5, 0.25>)
W("rgbf", rgbf <1, 0.5, 0.25, 0.3>)
W("rgbt", rgbt 0.5)
W("keywords", color red 1 green 0.5)
W("colorfloat", color 0.5)
W("modifier", rgb 1 filter 0.3)
W("prefixfactor", rgb <1,0,0> + <0,0,0,0,1>)
#declare C = rgb <0.2, 0.4, 0.6>;
W("ident", color C red 0.9)
W("times", C * 0.5)
F("gray", C.gray + C.green)
// random numbers
#declare R1 = seed(1);
#declare R2 = seed(12345);
F("rand", rand(R1) + rand(R1) * 10 + rand(R2) * 100)
// declarations, scopes and macros
#declare G = 1;
#macro Scope()
  #local G = 5;
  #declare H = G + 1;
#end
Scope()
F("scope", G * 10 + H)
#macro Double(A) #local B = A * 2; B #end
F("macroexpr", 1 - Double(3) + 1)
#macro Increment(V) #declare V = V + 1; #end
#declare K = 5;
Increment(K)
F("byref", K)
#macro Fact(N) #if (N <= 1) #declare R = 1; #else Fact(N - 1) #declare R = R * N; #end #end
Fact(5)
F("recursion", R)
// arrays
#declare A = array[2][3] { {1, 2, 3}, {4, 5, 6} }
#declare A[0][1] = 20;
F("array", A[1][2] + A[0][1] + dimension_size(A, 2) * 100 + dimensions(A) * 1000)
#declare B = array[3]
#ifdef (B[1]) F("assigned", 1) #else F("assigned", 0) #end
F("defined", defined(A) + defined(Nothing) * 10)
// conditionals and loops
#declare I = 0;
#while (I < 10) #declare I = I + 1; #if (I = 4) #break #end #end
F("while", I)
#declare S = 0;
#for (J, 1, 2, 0.25) #declare S = S + J; #end
F("for", S + J * 100)
#for (J, 3, 1, -1) #debug str(J, 0, 0) #end
#debug "\n"
#switch (2)
  #case (1) #debug "one " #break
  #case (2) #debug "two "
  #case (3) #debug "three " #break
  #case (4) #debug "four "
  #else #debug "else"
#end
#switch (7)
  #range (1, 5) #debug "low"
  #break
  #else #debug "other"
#end
#debug "\n"
#ifndef (Undeclared) #debug "ifndef " #end
#if (0) #debug "no" #elseif (1) #debug "elseif" #else #debug "else" #end
#debug "\n"
// user-defined functions at parse time
#declare Fn = function (a, b) { a * b + select(a - 2, 10, 20) }
#declare Fxyz = function { x + y * z }
F("function", Fn(2, 3) + Fxyz(1, 2, 3) * 100)
#declare Sp = spline { linear_spline 0, <0,0,0>, 1, <2,4,6>, 3, <2,0,6> }
W("spline", Sp(0.5) + Sp(2))
// a #local whose value comes from a macro call is declared in the macro that declares it
#macro Shift_Trans(A) transform { translate A } #end
#macro Shifted(P)
  #local Shift = Shift_Trans(P)
  #ifdef (Shift) #declare Seen = 1; #else #declare Seen = 0; #end
#end
Shifted(<1, 2, 3>)
F("local from a macro", Seen)
sphere { 0, 1 }
