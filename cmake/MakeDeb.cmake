# Makes the tweak's Debian package from the package tree, as the jailbreak ecosystem ships one:
#   cmake -DTREE=... -DSTAGE=... -DDEB=... -DVERSION=... -DARCH=... -P MakeDeb.cmake
# The tree is copied into a stage with the modes a device expects (folders 0755, files 0644,
# the tweak library and the bundle's executable 0755), a control file is added, and dpkg-deb
# builds it with every file owned by root.
foreach(required TREE STAGE DEB VERSION ARCH)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "MakeDeb.cmake needs -D${required}=...")
  endif()
endforeach()
find_program(DPKG_DEB dpkg-deb REQUIRED)
set(arch ${ARCH})

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/DEBIAN)
file(COPY ${TREE}/ DESTINATION ${STAGE}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
file(GLOB_RECURSE programs ${STAGE}/Library/MobileSubstrate/DynamicLibraries/*.dylib
                           ${STAGE}/Library/PreferenceBundles/*.bundle/Orbelle2Prefs)
foreach(program IN LISTS programs)
  file(CHMOD ${program} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                    WORLD_READ WORLD_EXECUTE)
endforeach()

file(WRITE ${STAGE}/DEBIAN/control
"Package: com.zentrik.orbelle2
Name: Orbelle 2
Version: ${VERSION}
Architecture: ${arch}
Depends: mobilesubstrate, preferenceloader, libactivator
Section: Tweaks
Priority: optional
Maintainer: Orbelle 2 developers <orbelle2@zentrik.invalid>
Author: Orbelle 2 developers <orbelle2@zentrik.invalid>
Description: Volume mixer pop-up for the home screen
 A short hold of volume-up opens a panel with one labelled slider per system audio
 category, each bound to that category's volume, with the system volume HUD hidden
 while it is up. A page in Settings configures it.
 .
 This build holds ${arch} Linux libraries for the Orbelle 2 simulator, not a phone's
 ARM ones: it installs on the simulated device only.
")
file(CHMOD ${STAGE}/DEBIAN/control PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
get_filename_component(folder ${DEB} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${DPKG_DEB} --root-owner-group -Zxz --build ${STAGE} ${DEB}.part
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${DEB}.part ${DEB})
