
Library ResLib;

{ Important note about DLL memory management: ShareMem must be the
first unit in your library's USES clause AND your project's (select
View-Project Source) USES clause. }
uses sysutils,classes,windows;
{$R ICONS.RES}
Begin
End.
