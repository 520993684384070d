// Every text the program shows or writes, as Windows-1252 bytes. Letters
// outside ASCII are byte escapes, so nothing depends on the source encoding:
// \xC1 = Á, \xCD = Í, \xD3 = Ó, \xF3 = ó. Where an escape is followed by a
// letter that is also a hex digit, the literal is split to end the escape.
// Each length is checked, because trailing blanks are part of the texts.
#pragma once

#include <string_view>

namespace tensor3d::texts {

#define TENSOR3D_TEXT(name, literal, length)        \
  inline constexpr std::string_view name = literal; \
  static_assert(name.size() == (length), #name " has the wrong length")

// Console dialogue and report header.
TENSOR3D_TEXT(promptDataFile, "ARCHIVO DE DATOS DE ENTRADA", 27);
TENSOR3D_TEXT(promptResultsFile, "ARCHIVO DE RESULTADOS", 21);
TENSOR3D_TEXT(versionHeading,
              "VERSI\xD3N DEL D\xCD"
              "A:",
              16);
TENSOR3D_TEXT(versionDate, "03/06/2025   ", 13);
TENSOR3D_TEXT(stressLabel, "ESFUERZOS    ", 13);
TENSOR3D_TEXT(strainLabel, "DEFORMACIONES", 13);
TENSOR3D_TEXT(solvingForTensor, "RESOLVIENDO PARA EL TENSOR  ", 28);
TENSOR3D_TEXT(unitsHeading, "unidades:", 9);
TENSOR3D_TEXT(openParen, "(", 1);
TENSOR3D_TEXT(closeParen, ")", 1);
TENSOR3D_TEXT(frameGeneral, "G", 1);
TENSOR3D_TEXT(framePrincipal, "P", 1);
TENSOR3D_TEXT(respectGeneral, "RESPECTO A TENSOR GENERAL", 25);
TENSOR3D_TEXT(respectPrincipal, "RESPECTO A TENSOR PRINCIPAL", 27);
TENSOR3D_TEXT(solveNormalHeading, "SE RESUELVE PARA EL VECTOR NORMAL AL PLANO, n:", 46);
TENSOR3D_TEXT(solveDirectionHeading, "SE RESUELVE PARA EL VECTOR EN DIRECCI\xD3N e:", 42);
TENSOR3D_TEXT(letterI, "i", 1);
TENSOR3D_TEXT(letterJ, "j", 1);
TENSOR3D_TEXT(letterK, "k", 1);

// Principal analysis.
TENSOR3D_TEXT(principalHeading, "C\xC1LCULO DEL TENSOR PRINCIPAL", 28);
TENSOR3D_TEXT(polynomialHeading, "POLINOMIO CARACTERISTICO", 24);
TENSOR3D_TEXT(polynomialCubic, "-S^3+", 5);
TENSOR3D_TEXT(polynomialSquare, " S^2 +", 6);
TENSOR3D_TEXT(polynomialLinear, " S +", 4);
TENSOR3D_TEXT(orderedPrincipals, " PRINCIPALES ORDENADOS", 22);
TENSOR3D_TEXT(strainValuesHeader, "    E1           E2          E3     ", 36);
TENSOR3D_TEXT(stressValuesHeader, "    S1           S2          S3     ", 36);
TENSOR3D_TEXT(cosinesHeading, "COSENOS DIRECTORES", 18);
TENSOR3D_TEXT(cosinesColumns, "    1         2         3     ", 30);
TENSOR3D_TEXT(inDirectionFirst, " EN LA DIRECCION ", 17);
TENSOR3D_TEXT(inDirection, " EN LA DIRECCION", 16);
TENSOR3D_TEXT(extremeStress, "ESFUERZO", 8);
TENSOR3D_TEXT(extremeStressMax, " CORTARTE MAX", 13);
TENSOR3D_TEXT(extremeStrain, "DEFORMACI\xD3N", 11);
TENSOR3D_TEXT(extremeStrainMax, " ANGULAR MAX", 12);
TENSOR3D_TEXT(separator, "_________________________", 25);
TENSOR3D_TEXT(jacobiLimit, "too many iterations in jacobi", 29);

// Directional analysis.
TENSOR3D_TEXT(caseHeading, "Caso ", 5);
TENSOR3D_TEXT(strainVectorCaption, "Vector Deformaci\xF3n EN LA DIRECCION DE e", 39);
TENSOR3D_TEXT(stressVectorCaption, "Vector Esfuerzo ", 16);
TENSOR3D_TEXT(normalToPlaneN, " EN LA DIRECCION NORMAL AL PLANO n", 34);
TENSOR3D_TEXT(strainsActingIn,
              "LAS DEFORMACIONES LINEAL Y ANGULAR ACTUANDO EN LA DIRECCI\xD3N e:", 62);
TENSOR3D_TEXT(strainMagnitude, "Magnitud de la Deformaci\xF3n=", 27);
TENSOR3D_TEXT(linearStrain, "DEF LINEAL=", 11);
TENSOR3D_TEXT(thetaStrain, "ETHETA=", 7);
TENSOR3D_TEXT(angularStrainFirst, ";  DefAng", 9);
TENSOR3D_TEXT(stressesActingOnPlane,
              "LOS ESFUERZOS NORMAL Y CORTANTE ACTUANDO EN EL PLANO CUYA NORMAL ES n :", 71);
TENSOR3D_TEXT(stressMagnitude, "MAGNITUD DEL VECTOR ESFUERZO s=", 31);
TENSOR3D_TEXT(normalStress, "SIGMA n=", 8);
TENSOR3D_TEXT(shearStress, "TAO n=", 6);
TENSOR3D_TEXT(sameVectorPrincipal,
              "RESOLVIENDO PARA EL MISMO VECTOR, PERO REFERIDO AL TENSOR PRINCIPAL", 67);
TENSOR3D_TEXT(vectorInPrincipalAxes, "VECTOR REFERENCIADO AL SISTEMA DE EJES PRINCIPALES", 50);
TENSOR3D_TEXT(vectorInDirection, "VECTOR EN LA DIRECCI\xD3N", 22);
TENSOR3D_TEXT(vectorNormalToPlane, "VECTOR NORMAL AL PLANO", 22);
TENSOR3D_TEXT(vectorOf, "VECTOR DE ", 10);
TENSOR3D_TEXT(inDirectionOfE, " EN LA DIRECCION DE e", 21);
TENSOR3D_TEXT(normalToPlane, " EN LA DIRECCION NORMAL AL PLANO", 32);
TENSOR3D_TEXT(strainsActing, "LAS DEFORMACIONES LINEAL Y ANGULAR ACTUANDO LA DIRECCI\xD3N e:", 59);
TENSOR3D_TEXT(normalStrain, "DEF NORMAL=", 11);
TENSOR3D_TEXT(angularStrain, ";  DefAng=", 10);
TENSOR3D_TEXT(stressesActingOnPlaneN,
              "LOS ESFUERZOS NORMAL Y CORTANTE ACTUANDO EN EL PLANO n:", 55);
TENSOR3D_TEXT(fromPrincipalTensor, "A PARTIR DEL TENSOR PRINCIPAL", 29);

// Elastic conversion.
TENSOR3D_TEXT(elasticityTheory, "CON TEORIA DE ELASTICIDAD", 25);
TENSOR3D_TEXT(elasticProperties, "PROPIEDADES ELASTICAS:", 22);
TENSOR3D_TEXT(elasticModulus, "MODULO DE ELASTICIDAD:", 22);
TENSOR3D_TEXT(shearModulus, "MODULO DE RIGIDEZ AL CORTANTE:", 30);
TENSOR3D_TEXT(poissonRatio, "RELACION DE POISSON:", 20);
TENSOR3D_TEXT(lameLambda, "LAMDA=", 6);
TENSOR3D_TEXT(stressesFromStrainsHeading, "ESFUERZOS A PARTIR DE DEFORMACIONES", 35);
TENSOR3D_TEXT(linearInvariant, "INVARIANTE LINEAL I1=", 21);
TENSOR3D_TEXT(convertedTensor, "TENSOR ", 7);
TENSOR3D_TEXT(strainsFromStressesHeading, "DEFORMACIONES A PARTIR DE ESFUERZOS", 35);

// Linear solve.
TENSOR3D_TEXT(singularMatrix, " LA MATRIZ ES SINGULAR", 22);

// Run-time diagnostics on the console's error stream.
TENSOR3D_TEXT(severePrefix, "quvelo: severe (", 16);
TENSOR3D_TEXT(errorPrefix, "quvelo: error (", 15);
TENSOR3D_TEXT(numberClose, "): ", 3);
TENSOR3D_TEXT(unitCaption, ", unit ", 7);
TENSOR3D_TEXT(fileCaption, ", file ", 7);
TENSOR3D_TEXT(accessDeniedText, "permission to access file denied", 32);
TENSOR3D_TEXT(endOfFileText, "end-of-file during read", 23);
TENSOR3D_TEXT(fileNotFoundText, "file not found", 14);
TENSOR3D_TEXT(openFailureText, "open failure", 12);
TENSOR3D_TEXT(writeErrorText, "error during write", 18);
TENSOR3D_TEXT(noSuchDeviceText, "no such device", 14);
TENSOR3D_TEXT(fileNameErrorText, "file name specification error", 29);
TENSOR3D_TEXT(syntaxErrorText, "list-directed I/O syntax error", 30);
TENSOR3D_TEXT(conversionErrorText, "input conversion error", 22);
TENSOR3D_TEXT(interruptNumber, "200", 3);
TENSOR3D_TEXT(abortingDueTo, "program aborting due to ", 24);
TENSOR3D_TEXT(abortingEvent, " event", 6);
TENSOR3D_TEXT(controlCEvent, "control-C", 9);
TENSOR3D_TEXT(controlBreakEvent, "control-BREAK", 13);
TENSOR3D_TEXT(windowCloseEvent, "window-CLOSE", 12);

#undef TENSOR3D_TEXT

}  // namespace tensor3d::texts
